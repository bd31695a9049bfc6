// A small PDF writer for the shipped sample and for the tests: real, valid
// PDF files made from plain data, with no outside tool. Pages hold lines of
// text in Helvetica or a font of the test's naming (WinAnsiEncoding) and, optionally, a gray
// picture beneath everything (a scanned page), drawings beneath the text and link annotations to
// other pages of the same document or to web addresses. The namespace stays lexiweb::testing
// because the tests are its main users.
#ifndef LEXIWEB_TOOLS_PDF_WRITER_H_
#define LEXIWEB_TOOLS_PDF_WRITER_H_

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace lexiweb::testing {

// Page geometry in PDF points (US Letter); text lines run down from the top.
inline constexpr double kPdfPageWidth = 612;
inline constexpr double kPdfPageHeight = 792;
inline constexpr double kPdfLeftMargin = 72;
inline constexpr double kPdfFirstBaseline = 720;
inline constexpr double kPdfFontSize = 12;
inline constexpr double kPdfLineHeight = 16;

// How a link to a page of the same document is written; readers meet both.
enum class PdfLinkForm {
  kDestination,  // /Dest [page /XYZ left top zoom]
  kGoToAction,   // /A << /S /GoTo /D [page /XYZ ...] >>
};

// A clickable rectangle on a page. With `uri` empty it leads to page
// `target_page` (counted from 1) of the same document, else to the address.
struct PdfLink {
  int target_page = 0;
  std::string uri;
  PdfLinkForm form = PdfLinkForm::kDestination;
  double x = kPdfLeftMargin;
  double y = kPdfFirstBaseline - 4;
  double width = kPdfPageWidth - 2 * kPdfLeftMargin;
  double height = kPdfLineHeight;
};

// A gray picture that fills its page, as a scanner's PDF holds it: `height`
// rows of `width` pixels top to bottom, one byte a pixel (0 black, 255
// white), compressed with zlib (FlateDecode). The page takes the picture's
// size at `dpi`.
struct PdfImage {
  int width = 0;
  int height = 0;
  double dpi = 300;
  std::string gray;
};

struct PdfPage {
  // UTF-8 text; characters outside WinAnsiEncoding are written as "?".
  std::vector<std::string> lines;
  std::vector<PdfLink> links;
  // PDF graphics operators (paths, colours, inline images) drawn beneath the
  // text, in points from the lower left corner; empty for a page of text only.
  std::string drawing = {};
  // A page without lines of its own and with an image holds the image alone.
  PdfImage image = {};
  // Lines drawn invisibly (render mode 3), as a scanner's text layer lies
  // over its picture.
  bool invisible_text = false;
  // The font this page's lines are set in instead of the document's,
  // named and not embedded; empty for the document's.
  std::string font = {};
  // Room added to each space of the lines (the Tw operator), in points.
  double word_spacing = 0;
  // 0, or 90 for a page shown turned a quarter clockwise (/Rotate 90) whose
  // lines stand upright as shown, drawn turned back by their text matrix.
  int rotation = 0;
};

// An entry of the document outline (the bookmarks), leading to a page
// counted from 1, with the entries nested under it.
struct PdfOutlineEntry {
  PdfOutlineEntry(std::string title, int target_page, std::vector<PdfOutlineEntry> children = {})
      : title(std::move(title)), target_page(target_page), children(std::move(children)) {}
  std::string title;
  int target_page;
  std::vector<PdfOutlineEntry> children;
};

// The font the text is set in, never embedded (readers draw it in a face
// of their own): Helvetica unless a test names another. A font with
// `flags` (the font descriptor's bits: 1 fixed pitch, 2 serif, 32
// nonsymbolic, 64 italic) has a descriptor with them, and with `width`
// every character advances that many thousandths of an em.
struct PdfTextFont {
  std::string name = "Helvetica";
  int flags = 0;
  int width = 0;
};

// A page of these lines of text and nothing else.
PdfPage text_page(std::vector<std::string> lines);

// A link whose rectangle covers text line `line_index` (counted from 0).
PdfLink internal_link(int line_index, int target_page,
                      PdfLinkForm form = PdfLinkForm::kDestination);
PdfLink external_link(int line_index, const std::string& uri);

// The bytes of a PDF file holding `pages` in order, and an outline when
// `outline` is not empty.
std::string make_pdf(const std::vector<PdfPage>& pages,
                     const std::vector<PdfOutlineEntry>& outline = {},
                     const PdfTextFont& font = {});

// Writes make_pdf(pages, outline, font) to `path`; throws std::runtime_error when it cannot.
void write_pdf(const std::filesystem::path& path, const std::vector<PdfPage>& pages,
               const std::vector<PdfOutlineEntry>& outline = {}, const PdfTextFont& font = {});

}  // namespace lexiweb::testing

#endif  // LEXIWEB_TOOLS_PDF_WRITER_H_
