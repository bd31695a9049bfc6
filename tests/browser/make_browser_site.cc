// Prepares a working folder for the browser test: FOLDER/pdf_in/doc.pdf, a
// four-page document of plain English sentences. The word "river" (once as
// "River") stands on pages 1, 2 and 4, three times on page 2, and nowhere on
// page 3, so that a reader can watch one word lit on several pages and the
// other words stay dark. Two links lead between pages of the document and
// one to a web address, so that the finished site carries those too; its
// outline names every page, nested, each title ending in "(page N)".
// run_browser_test.sh names the word and the page count to site_test.mjs.
// With --wordless-pages it writes a document with pages that hold no word,
// with --scanned-page one searchable scan, with --dark-slide a slide of white
// text on a dark background, with --placed-text pages that test where the
// text stands, with --two-columns a page of two columns with a heading, a
// list, a table and a figure.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "tools/pdf_writer.h"

namespace {

using lexiweb::testing::external_link;
using lexiweb::testing::internal_link;
using lexiweb::testing::PdfOutlineEntry;
using lexiweb::testing::PdfPage;

std::vector<PdfPage> river_document() {
  PdfPage first;
  first.lines = {"The river runs past the old mill.",
                 "Children watch small boats drift along quietly.",
                 "See the mountain map on the third page."};
  first.links = {internal_link(2, 3)};

  PdfPage second;
  second.lines = {
      "Along the river the willows bend low.", "Fishermen wait beside the river at dawn.",
      "Every morning the river carries fallen leaves.", "Herons stand still in shallow water."};

  PdfPage third;
  third.lines = {"Mountains rise far beyond the valley.",
                 "Snow melts slowly under spring sunshine.", "Back to the first page.",
                 "More stories wait online."};
  third.links = {internal_link(2, 1), external_link(3, "https://www.example.org/stories")};

  PdfPage fourth;
  fourth.lines = {"River stones shine after summer storms.",
                  "Travellers rest under tall green trees."};

  return {first, second, third, fourth};
}

std::vector<PdfOutlineEntry> river_outline() {
  return {{"The river (page 1)",
           1,
           {{"Willows and herons (page 2)", 2}, {"Mountains & snow (page 3)", 3}}},
          {"River stones (page 4)", 4}};
}

// A document whose first page, a middle page and last two pages hold no
// word, one of them the target of a link: every page still gets its page,
// so no link of the site may lead nowhere.
std::vector<PdfPage> document_with_wordless_pages() {
  PdfPage second;
  second.lines = {"The river runs past the old mill.", "The last page is blank."};
  second.links = {internal_link(1, 6)};
  PdfPage third;
  third.lines = {"a b to of"};
  PdfPage fourth;
  fourth.lines = {"River stones shine after summer storms."};
  return {PdfPage{}, second, third, fourth, PdfPage{}, PdfPage{}};
}

// A searchable scan: a page that is a picture, a dark bar for each line as
// a stand-in for its letters, with the lines' words lying over it as
// invisible text. "river" stands twice.
std::vector<PdfPage> scanned_document() {
  PdfPage scan;
  scan.lines = {"The river runs past the old mill.", "Boats drift along the river quietly."};
  scan.invisible_text = true;
  constexpr double kDpi = 300;
  scan.image = {static_cast<int>(lexiweb::testing::kPdfPageWidth / 72 * kDpi),
                static_cast<int>(lexiweb::testing::kPdfPageHeight / 72 * kDpi),
                kDpi,
                {}};
  scan.image.gray.assign(static_cast<size_t>(scan.image.width) * scan.image.height, '\xff');
  for (size_t line = 0; line < scan.lines.size(); ++line) {
    const double baseline = lexiweb::testing::kPdfPageHeight - lexiweb::testing::kPdfFirstBaseline +
                            line * lexiweb::testing::kPdfLineHeight;
    const int bottom = static_cast<int>(baseline / 72 * kDpi);
    const int left = static_cast<int>(lexiweb::testing::kPdfLeftMargin / 72 * kDpi);
    for (int y = bottom - 30; y < bottom; ++y) {
      for (int x = left; x < left + 700; ++x) {
        scan.image.gray[static_cast<size_t>(y) * scan.image.width + x] = '\x20';
      }
    }
  }
  return {scan};
}

// Pages that test where the site sets text: a font that the site sets in
// a face with a large ascent (Latin Modern, for Computer Modern's CMR10),
// a line whose spaces the PDF squeezes to almost nothing, and a page shown
// turned a quarter (/Rotate 90) whose lines stand upright as shown.
std::vector<PdfPage> placed_text_document() {
  PdfPage large_ascent;
  large_ascent.font = "CMR10";
  large_ascent.lines = {"Baselines hold in every face.", "A second line follows the first."};
  PdfPage squeezed;
  squeezed.word_spacing = -2.35;
  squeezed.lines = {"Words stay apart when the spaces shrink."};
  PdfPage turned;
  turned.rotation = 90;
  turned.lines = {"Turned pages stand upright.", "Their lines read across."};
  return {large_ascent, squeezed, turned};
}

// A slide: white text on a dark background, all of it drawn by the page's
// drawing. A title of two lines, set wider than the face sets it (word
// spacing), which the fitting script fits by spans of its own, with "river"
// in each line; two words far apart on one line, a word on a line below,
// and a word of two sizes; a line that links to a web address.
PdfPage dark_slide() {
  PdfPage slide;
  slide.drawing =
      "0.1 0.1 0.3 rg 0 0 612 792 re f\n"
      "BT 1 1 1 rg /F1 20 Tf 6 Tw 72 700 Td (The river bends) Tj 0 -24 Td "
      "(around the river stones) Tj ET\n"
      "BT 1 1 1 rg /F1 14 Tf 72 560 Td (Started) Tj 228 0 Td (This) Tj ET\n"
      "BT 1 1 1 rg /F1 14 Tf 72 500 Td (Next) Tj ET\n"
      "BT 1 1 1 rg /F1 14 Tf 72 440 Td (lexi) Tj /F1 9 Tf (web) Tj ET\n"
      "BT 1 1 1 rg /F1 14 Tf 72 380 Td (Stories online) Tj ET";
  lexiweb::testing::PdfLink link = external_link(0, "https://www.example.org/stories");
  link.y = 376;
  link.width = 110;
  link.height = 18;
  slide.links = {link};
  return slide;
}

// A page of two columns under a heading: in the left column a paragraph
// with a word hyphenated at a line end, a list of three items and another
// paragraph; in the right a table of three rows, a figure (a drawing with
// no text in it) and its caption, and a last paragraph. All of it is drawn
// by the page's drawing, in the order a reader reads it.
PdfPage two_column_page() {
  auto text = [](double size, double x, double y, const std::string& line) {
    return "BT /F1 " + std::to_string(size) + " Tf " + std::to_string(x) + " " + std::to_string(y) +
           " Td (" + line + ") Tj ET\n";
  };
  PdfPage page;
  page.drawing = "0.55 0.7 0.9 rg 330 470 210 150 re f\n0 0 0 rg\n";
  page.drawing += text(22, 72, 730, "Rivers of the North");
  const char* first[] = {
      "Northern rivers run cold and clear through", "the valley, past quiet farms and the moun-",
      "tains, until they reach the grey sea where", "the herons wait for the evening tide."};
  for (int i = 0; i < 4; ++i) page.drawing += text(11, 72, 680 - 14 * i, first[i]);
  const char* items[] = {"Salmon swim upstream in autumn", "Otters play along the banks",
                         "Willows shade the slow water"};
  for (int i = 0; i < 3; ++i) {
    page.drawing += text(11, 72, 610 - 16 * i, "\\225");
    page.drawing += text(11, 86, 610 - 16 * i, items[i]);
  }
  const char* second[] = {"Fishermen read the river by its colour and",
                          "its sound, and every season brings a new", "story to the old mill."};
  for (int i = 0; i < 3; ++i) page.drawing += text(11, 72, 540 - 14 * i, second[i]);
  const char* cells[3][3] = {{"River", "Length", "Source"},
                             {"Amber", "120 km", "Lake Sora"},
                             {"Birch", "85 km", "Mount Vel"}};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      page.drawing += text(11, 330 + 80 * column, 680 - 16 * row, cells[row][column]);
    }
  }
  page.drawing += text(10, 340, 455, "Figure 1: The delta at low tide");
  page.drawing += text(11, 330, 420, "Below the delta the water spreads wide");
  page.drawing += text(11, 330, 406, "and shallow over the golden sand.");
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string option = argc == 3 ? argv[2] : "";
  const bool wordless_pages = option == "--wordless-pages";
  const bool scanned_page = option == "--scanned-page";
  const bool slide = option == "--dark-slide";
  const bool placed_text = option == "--placed-text";
  const bool two_columns = option == "--two-columns";
  if (argc != 2 && !wordless_pages && !scanned_page && !slide && !placed_text && !two_columns) {
    std::cerr << "usage: make_browser_site FOLDER [--wordless-pages | --scanned-page | "
                 "--dark-slide | --placed-text | --two-columns]\n";
    return 2;
  }
  try {
    const std::filesystem::path pdf_folder = std::filesystem::path(argv[1]) / "pdf_in";
    std::filesystem::create_directories(pdf_folder);
    lexiweb::testing::write_pdf(
        pdf_folder / "doc.pdf",
        wordless_pages ? document_with_wordless_pages()
        : scanned_page ? scanned_document()
        : slide        ? std::vector<PdfPage>{dark_slide()}
        : placed_text  ? placed_text_document()
        : two_columns  ? std::vector<PdfPage>{two_column_page()}
                       : river_document(),
        wordless_pages || scanned_page || slide || placed_text || two_columns
            ? std::vector<PdfOutlineEntry>{}
            : river_outline());
  } catch (const std::exception& error) {
    std::cerr << "make_browser_site: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
