// A tagged PDF's own structure on its converted pages: headings at the
// levels of its tree (not of their type), a figure with its /Alt, a part
// in another language with its lang, the tree's order against the order
// of drawing, its running header passed over, and its tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e_support.h"
#include "tools/pdf_writer.h"

namespace lexiweb::testing {
namespace {

#ifdef LEXIWEB_RENDERER_BUILT

namespace fs = std::filesystem;

// The keys of a whole run: on through the screens, the predefined
// magnification, a target site and the results screen.
const std::string kCompleteRunInput = kKeysToInput + "\n" + "www.example.org\n" + "\n";

// The position of `text` in `page`, which must hold it.
size_t place_of(const std::string& page, const std::string& text) {
  const size_t at = page.find(text);
  EXPECT_NE(at, std::string::npos) << text << " is not on the page:\n" << page;
  return at;
}

TEST(TaggedStructureTest, HeadingsFiguresLanguagesAndOrderComeFromTheTree) {
  WorkingFolder folder;
  PdfTaggedDocument document;
  document.lang = "en";
  document.title = "Tagged rivers";
  document.role_map = {{"Heading2", "H2"}};
  document.artifacts = {{1, "Rivers of the world", kPdfLeftMargin, 760, "Header"}};
  // The pieces are drawn last first: the tree alone tells the order.
  document.drawn_in_reverse = true;
  PdfStructElement figure{"Figure", 1, {}, "0.5 g 300 300 120 120 re f"};
  figure.alt = "A grey \"square\" lake";
  PdfStructElement german{"P", 1, {{"Der Fluss fliesst langsam zum Meer.", 72, 560}}};
  german.lang = "de-DE";
  document.elements = {PdfStructElement{
      "Document",
      1,
      {},
      "",
      {PdfStructElement{"H1", 1, {{"Great rivers", 72, 700, 20}}},
       PdfStructElement{"P", 1, {{"Rivers carry water to the sea.", 72, 660}}},
       // A heading of the tree set in the paragraphs' size.
       PdfStructElement{"Heading2", 1, {{"Slow rivers", 72, 620}}}, german, figure,
       PdfStructElement{"P", 1, {{"Lakes lie still below the hills.", 72, 250}}},
       // Code in a line of a paragraph is a word of the paragraph.
       PdfStructElement{"P",
                        1,
                        {},
                        "",
                        {PdfStructElement{"Code", 1, {{"flow", 72, 200}}}},
                        {{"runs when the water is high, and the paragraph", 100, 200},
                         {"reads on to its second line.", 110, 186}}}}}};
  fs::create_directories("pdf_in");
  write_tagged_pdf("pdf_in/doc.pdf", document);
  const ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;

  const std::string page = read_file("htm_in/page1.htm");
  const size_t h1 = place_of(page, "<div class=\"lw-h\" role=\"heading\" aria-level=\"1\">");
  const size_t great = place_of(page, "Great rivers");
  const size_t carry = place_of(page, "Rivers carry water");
  const size_t h2 = place_of(page, "<div class=\"lw-h\" role=\"heading\" aria-level=\"2\">");
  const size_t slow = place_of(page, "Slow rivers");
  const size_t german_block = place_of(page, "<div lang=\"de-DE\" class=\"lw-p\">");
  const size_t fluss = place_of(page, "Der Fluss");
  const size_t lake = place_of(page,
                               "<figure class=\"lw-figure\" role=\"img\" "
                               "aria-label=\"A grey &quot;square&quot; lake\"");
  const size_t lakes = place_of(page, "Lakes lie still");
  const size_t code = place_of(page, ">flow</p>");
  const size_t runs = place_of(page, "runs when");
  const size_t second_line = place_of(page, "reads on to its second line");
  EXPECT_TRUE(h1 < great && great < carry && carry < h2 && h2 < slow && slow < german_block &&
              german_block < fluss && fluss < lake && lake < lakes && lakes < code && code < runs &&
              runs < second_line)
      << page;
  // The header, marked as such by the PDF, comes first and is passed over.
  EXPECT_LT(place_of(page, "<div class=\"lw-running\" aria-hidden=\"true\">\n<p"), h1);
  EXPECT_GT(place_of(page, "Rivers of the world"), place_of(page, "lw-running"));
  // The document's own title names it; the page has its own level-1 heading.
  EXPECT_EQ(page.find("lw-title"), std::string::npos);
  EXPECT_EQ(page.find("aria-level=\"1\"", great), std::string::npos);
}

// The markup of `page` from `start` to past `end`, each fragment's start
// tag without its place and face: "<p>", or "<p data-f=...>".
std::string markup_between(const std::string& page, const std::string& start,
                           const std::string& end) {
  const size_t from = place_of(page, start);
  const size_t to = page.find(end, from);
  EXPECT_NE(to, std::string::npos) << page;
  if (from == std::string::npos || to == std::string::npos) return "";
  const std::string markup = page.substr(from, to + end.size() - from);
  std::string shown;
  size_t at = 0;
  for (size_t tag = markup.find("<p "); tag != std::string::npos; tag = markup.find("<p ", at)) {
    shown += markup.substr(at, tag - at) + "<p";
    const size_t tag_end = markup.find('>', tag);
    const size_t follows = markup.find(" data-f=\"", tag);
    if (follows < tag_end)
      shown += markup.substr(follows, markup.find('"', follows + 9) + 1 - follows);
    shown += '>';
    at = tag_end + 1;
  }
  return shown + markup.substr(at);
}

TEST(TaggedStructureTest, TablesComeFromTheTreeWithTheirHeaderCellsAndSpans) {
  WorkingFolder folder;
  PdfTaggedDocument document;
  document.lang = "en";
  document.title = "Tagged rivers";
  document.drawn_in_reverse = true;
  PdfStructElement long_cell{"TD", 1, {{"long", 200, 580}}};
  long_cell.row_span = 2;
  PdfStructElement note{"TD", 1, {{"Counted in", 72, 540}, {"spring", 200, 540}}};
  note.column_span = 2;
  auto row = [](std::vector<PdfStructElement> cells) {
    return PdfStructElement{"TR", 1, {}, "", std::move(cells)};
  };
  auto group = [](std::string role, std::vector<PdfStructElement> rows) {
    return PdfStructElement{std::move(role), 1, {}, "", std::move(rows)};
  };
  const PdfStructElement table{
      "Table",
      1,
      {},
      "",
      {PdfStructElement{"Caption", 1, {{"Rivers by length", 72, 620}}},
       group("THead", {row({PdfStructElement{"TH", 1, {{"River", 72, 600}}},
                            PdfStructElement{"TH", 1, {{"Length", 200, 600}}}})}),
       group("TBody", {row({PdfStructElement{"TD", 1, {{"Amber", 72, 580}}}, long_cell}),
                       row({PdfStructElement{"TD", 1, {{"Birch", 72, 560}}}})}),
       group("TFoot", {row({note})})}};
  document.elements = {PdfStructElement{
      "Document",
      1,
      {},
      "",
      {PdfStructElement{"H1", 1, {{"Great rivers", 72, 700, 20}}},
       PdfStructElement{"P", 1, {{"Rivers carry water to the sea.", 72, 660}}}, table,
       PdfStructElement{"P", 1, {{"Lakes lie still below the hills.", 72, 480}}}}}};
  fs::create_directories("pdf_in");
  write_tagged_pdf("pdf_in/doc.pdf", document);
  const ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;

  const std::string page = read_file("htm_in/page1.htm");
  EXPECT_EQ(markup_between(page, "<div class=\"lw-table\">", "</table></div>\n"),
            "<div class=\"lw-table\"><table>\n"
            "<caption>\n<p>Rivers by length</p>\n</caption>\n"
            "<tr><th>\n<p>River</p>\n</th><th>\n<p>Length</p>\n</th></tr>\n"
            "<tr><td>\n<p>Amber</p>\n</td><td rowspan=\"2\">\n<p>long</p>\n</td></tr>\n"
            "<tr><td>\n<p>Birch</p>\n</td></tr>\n"
            "<tr><td colspan=\"2\">\n<p>Counted in</p>\n<p data-f=\"s\">spring</p>\n</td></tr>\n"
            "</table></div>\n");
  // The table stands between the paragraphs about it, and its header cells
  // keep the face of their text on the facsimile.
  EXPECT_LT(place_of(page, "Rivers carry water"), place_of(page, "<div class=\"lw-table\">"));
  EXPECT_LT(place_of(page, "</table>"), place_of(page, "Lakes lie still"));
  EXPECT_NE(page.find(".lw-table th{padding:0;font-weight:inherit;text-align:inherit}"),
            std::string::npos);
}

#endif  // LEXIWEB_RENDERER_BUILT

}  // namespace
}  // namespace lexiweb::testing
