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

// `pdf` (as make_pdf writes it) with an incremental update that gives its
// catalogue the language `language` (/Lang) and the document an information
// dictionary whose /Title is `title` (UTF-8); an empty value is left out.
std::string with_language_and_title(const std::string& pdf, const std::string& language,
                                    const std::string& title);

// A tagged PDF, as office programs export one: a structure tree whose
// elements own marked-content sequences (MCIDs) of the pages, with a parent
// tree, a role map, /Alt, /ActualText and /Lang, page artifacts, the
// catalogue's /Lang, the Info dictionary's /Title and an outline.

// A line of text in Helvetica, drawn as one marked-content sequence of its
// element: at `x`, `y` (points from the lower left corner) on the
// element's page, or on page `page` (from 1) when it is not 0.
struct PdfTaggedText {
  std::string text;
  double x = kPdfLeftMargin;
  double y = kPdfFirstBaseline;
  double size = kPdfFontSize;
  int page = 0;
};

struct PdfStructElement {
  std::string role;  // its /S: a standard role, or one the role map maps
  int page = 1;      // its /Pg, from 1
  // Its own content, each line a sequence, in the tree before its children.
  std::vector<PdfTaggedText> lines = {};
  // PDF graphics operators (paths) drawn as one more sequence of its own,
  // on its page, as a figure's drawing is.
  std::string drawing = {};
  std::vector<PdfStructElement> children = {};
  // Its own content after its children, as a paragraph's text goes on
  // after a link within it.
  std::vector<PdfTaggedText> lines_after = {};
  std::string alt = {};
  std::string actual_text = {};
  std::string lang = {};
  // A table cell's /ColSpan and /RowSpan attributes when not 0.
  int column_span = 0;
  int row_span = 0;
};

// Text drawn as an artifact: /Artifact with /Type /Pagination and
// `subtype` (Header, Footer, PageNum), or without a type when `subtype` is empty.
struct PdfArtifact {
  int page = 1;
  std::string text;
  double x = kPdfLeftMargin;
  double y = 36;
  std::string subtype = {};
};

struct PdfTaggedDocument {
  int page_count = 1;
  std::vector<PdfStructElement> elements = {};  // the kids of the tree's root
  std::string lang = {};                        // the catalogue's /Lang
  std::string title = {};                       // the Info dictionary's /Title
  // Each role the document names, and the role it stands for.
  std::vector<std::pair<std::string, std::string>> role_map = {};
  std::vector<PdfOutlineEntry> outline = {};
  std::vector<PdfArtifact> artifacts = {};
  // Each page draws its sequences last first, so that the tree's order is
  // not the order of drawing.
  bool drawn_in_reverse = false;
  // How the parent tree (each page's MCIDs to their elements) is written:
  // one flat number tree, a leaf per page under /Kids with their /Limits,
  // or none, as some producers leave it out.
  enum class ParentTree { kFlat, kLeafPerPage, kNone };
  ParentTree parent_tree = ParentTree::kFlat;
};

// The bytes of the tagged PDF `document`; text strings outside ASCII
// (/Alt, /ActualText, /Lang, /Title) are written in UTF-16.
std::string make_tagged_pdf(const PdfTaggedDocument& document);

// Writes make_tagged_pdf(document) to `path`; throws std::runtime_error when it cannot.
void write_tagged_pdf(const std::filesystem::path& path, const PdfTaggedDocument& document);

}  // namespace lexiweb::testing

#endif  // LEXIWEB_TOOLS_PDF_WRITER_H_
