// The background renderer on tagged PDFs: the structure it tells beside
// the drawn text (common/drawn_structure.h), and that an untagged PDF or a
// hostile tree costs nothing more than the pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "common/drawn_structure.h"
#include "common/drawn_text.h"
#include "e2e_support.h"
#include "render/structure_tree.h"
#include "tools/pdf_writer.h"

namespace lexiweb::testing {
namespace {

#ifdef LEXIWEB_RENDERER_BUILT

namespace fs = std::filesystem;

struct Rendered {
  ProgramRun run;
  std::string text;       // the drawn text file
  std::string structure;  // the structure file
};

// Renders pages `first` to `last` of `pdf` at zoom 1.5 in `folder`.
Rendered render(const fs::path& folder, const fs::path& pdf, int first, int last,
                bool images = true) {
  std::vector<std::string> arguments = {
      "1.5",      std::to_string(first), std::to_string(last), pdf.string(),
      "text.txt", "pages.txt",           "structure.txt"};
  if (images) arguments.push_back("page");
  Rendered rendered;
  rendered.run = run_program(built_private_program("lexiweb-render"), folder, "", "", arguments);
  rendered.text = read_file(folder / "text.txt");
  rendered.structure = read_file(folder / "structure.txt");
  return rendered;
}

// The runs of the drawn text's page `page`.
std::vector<DrawnRun> runs_of(const std::string& text, long page) {
  std::vector<DrawnRun> runs;
  const std::string start = "p " + std::to_string(page) + " ";
  size_t at = text.find(start);
  if (at == std::string::npos) return runs;
  at = text.find("\r\n", at) + 2;
  DrawnRun run;
  for (size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    if (!parse_drawn_run(std::string_view(text).substr(at, end - at), &run)) break;
    runs.push_back(run);
  }
  return runs;
}

// What a piece of text is, as the test states it: the role of its element
// (or "" for none), or the kind of its artifact.
std::string owner_of(const DrawnStructurePage& page, const std::vector<DrawnRun>& runs,
                     const std::string& text) {
  for (size_t run = 0; run < runs.size(); ++run) {
    const size_t offset = runs[run].text.find(text);
    if (offset == std::string::npos) continue;
    const MarkedPiece piece = piece_at(page, static_cast<long>(run), static_cast<long>(offset));
    if (piece.kind != MarkKind::kContent)
      return std::string("artifact ") + static_cast<char>(piece.kind);
    for (const DrawnElement& element : page.elements) {
      if (element.id == piece.element) return element.role + " " + std::to_string(element.id);
    }
    return "";
  }
  return "not drawn";
}

// The page's text of elements, piece by piece in the order the pieces
// tell (the tree's), each piece's text up to the next piece or its run's end.
std::string in_reading_order(const DrawnStructurePage& page, const std::vector<DrawnRun>& runs) {
  std::vector<std::pair<long, std::string>> texts;
  for (size_t i = 0; i < page.pieces.size(); ++i) {
    const MarkedPiece& piece = page.pieces[i];
    if (piece.element == 0) continue;
    const std::string& run = runs.at(piece.run).text;
    const bool next_in_run = i + 1 < page.pieces.size() && page.pieces[i + 1].run == piece.run;
    texts.emplace_back(
        piece.order, run.substr(piece.offset, next_in_run ? page.pieces[i + 1].offset - piece.offset
                                                          : std::string::npos));
  }
  std::stable_sort(texts.begin(), texts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string text;
  for (const auto& [order, piece] : texts) text += piece + "|";
  return text;
}

PdfTaggedDocument office_document() {
  PdfTaggedDocument document;
  document.page_count = 2;
  document.lang = "en-GB";
  document.title = "Tagged Über";
  document.role_map = {{"Heading1", "H1"}, {"Body", "Body2"}, {"Body2", "P"}, {"Loop", "Loop"}};
  document.outline = {PdfOutlineEntry("Tagged document", 1), PdfOutlineEntry("Second page", 2)};
  document.artifacts = {{1, "Running head", kPdfLeftMargin, 760, "Header"},
                        {2, "2", 300, 36, "PageNum"}};
  PdfStructElement list{
      "L",
      1,
      {},
      "",
      {PdfStructElement{"LI",
                        1,
                        {},
                        "",
                        {// "1." is 10.01 points wide in Helvetica at 12: the item's body
                         // goes on in the same drawn run as its label.
                         PdfStructElement{"Lbl", 1, {{"1.", 72, 640}}},
                         PdfStructElement{"LBody", 1, {{"First item", 82.01, 640}}}}}}};
  PdfStructElement cell{"TD", 1, {{"Value", 200, 600}}};
  cell.column_span = 2;
  PdfStructElement table{
      "Table",
      1,
      {},
      "",
      {PdfStructElement{"TR", 1, {}, "", {PdfStructElement{"TH", 1, {{"Name", 72, 600}}}, cell}}}};
  PdfStructElement figure{"Figure", 1, {}, "0.5 g 100 300 50 50 re f"};
  figure.alt = "Ein graues Quadrat";
  figure.lang = "de";
  PdfStructElement french{"Span", 2, {{"Bonjour", 72, 690}}};
  french.lang = "fr";
  // A paragraph's text goes on after a link within it; drawn, the link
  // comes last.
  PdfStructElement see{"P", 2, {{"See", 72, 630}}, "", {{"Link", 2, {{"the manual", 108, 630}}}}};
  see.lines_after = {{"for more", 180, 630}};
  document.elements = {PdfStructElement{
      "Document",
      1,
      {},
      "",
      {PdfStructElement{"Heading1", 1, {{"Tagged document", 72, 720, 18}}},
       PdfStructElement{
           "Body", 1, {{"A paragraph that goes", 72, 680}, {"on over the page", 72, 720, 12, 2}}},
       list, table, figure, PdfStructElement{"Loop", 2, {{"Of no role", 72, 660}}},
       PdfStructElement{"P", 2, {}, "", {french}}, see}}};
  return document;
}

TEST(TaggedPdfTest, RendererTellsTheElementsOfEachPageAndOfEachPieceOfText) {
  WorkingFolder folder;
  write_tagged_pdf(folder.path() / "tagged.pdf", office_document());
  const Rendered rendered = render(folder.path(), folder.path() / "tagged.pdf", 1, 2);
  ASSERT_EQ(rendered.run.exit_status, 0) << rendered.run.errors;

  DocumentTags document;
  ASSERT_TRUE(read_document_tags((folder.path() / "structure.txt").string(), &document));
  EXPECT_EQ(document.lang, "en-GB");
  EXPECT_EQ(document.title, "Tagged Über");

  DrawnStructureReader reader({(folder.path() / "structure.txt").string()});
  DrawnStructurePage first;
  DrawnStructurePage second;
  ASSERT_TRUE(reader.page_of(1, &first));
  ASSERT_TRUE(reader.page_of(2, &second));

  // The tree's order, ids in depth-first order; the role map resolved over
  // two steps, and a role that maps to itself is none; /Lang inherited;
  // a cell's span; a figure's /Alt and the box of its drawing (the square
  // 100 to 150 across, 300 to 350 up, at 1.5 pixels a point, down from the
  // top of the page 792 points high).
  std::string elements;
  for (const DrawnElement& element : first.elements) {
    elements += std::to_string(element.id) + " " + std::to_string(element.parent) + " " +
                element.role + " " + std::to_string(element.level) + " " + element.lang + " " +
                std::to_string(element.columns) + "x" + std::to_string(element.rows) + " " +
                element.alt + "\n";
  }
  EXPECT_EQ(elements,
            "1 0 Document 0  1x1 \n"
            "2 1 H1 1  1x1 \n"
            "3 1 P 0  1x1 \n"
            "4 1 L 0  1x1 \n"
            "5 4 LI 0  1x1 \n"
            "6 5 Lbl 0  1x1 \n"
            "7 5 LBody 0  1x1 \n"
            "8 1 Table 0  1x1 \n"
            "9 8 TR 0  1x1 \n"
            "10 9 TH 0  1x1 \n"
            "11 9 TD 0  2x1 \n"
            "12 1 Figure 0 de 1x1 Ein graues Quadrat\n");
  const DrawnElement& square = first.elements[11];
  EXPECT_EQ(std::vector<long>({square.left, square.top, square.right, square.bottom}),
            std::vector<long>({15000, 66300, 22500, 73800}));
  // The document's box holds its children's.
  const DrawnElement& whole = first.elements[0];
  EXPECT_LE(whole.left, square.left);
  EXPECT_GE(whole.bottom, square.bottom);

  // The paragraph goes on over the page with its id; page 2's elements.
  elements.clear();
  for (const DrawnElement& element : second.elements) {
    elements += std::to_string(element.id) + " " + std::to_string(element.parent) + " " +
                element.role + " " + element.lang + "\n";
  }
  EXPECT_EQ(elements,
            "1 0 Document \n"
            "3 1 P \n"
            "13 1 - \n"
            "14 1 P \n"
            "15 14 Span fr\n"
            "16 1 P \n"
            "17 16 Link \n");

  // Each piece of drawn text with its element, the label and the body of
  // the list item within one run; the artifacts by their kind.
  const std::vector<DrawnRun> runs1 = runs_of(rendered.text, 1);
  const std::vector<DrawnRun> runs2 = runs_of(rendered.text, 2);
  EXPECT_EQ(owner_of(first, runs1, "Running head"), "artifact h");
  EXPECT_EQ(owner_of(first, runs1, "Tagged document"), "H1 2");
  EXPECT_EQ(owner_of(first, runs1, "A paragraph"), "P 3");
  EXPECT_EQ(owner_of(first, runs1, "1."), "Lbl 6");
  EXPECT_EQ(owner_of(first, runs1, "First item"), "LBody 7");
  EXPECT_EQ(owner_of(first, runs1, "Name"), "TH 10");
  EXPECT_EQ(owner_of(first, runs1, "Value"), "TD 11");
  EXPECT_EQ(owner_of(second, runs2, "on over the page"), "P 3");
  EXPECT_EQ(owner_of(second, runs2, "Of no role"), "- 13");
  EXPECT_EQ(owner_of(second, runs2, "Bonjour"), "Span 15");
  EXPECT_EQ(owner_of(second, runs2, "2"), "artifact n");
  EXPECT_EQ(owner_of(second, runs2, "for more"), "P 16");
  EXPECT_EQ(in_reading_order(second, runs2),
            "on over the page|Of no role|Bonjour|See|the manual|for more|");
  bool label_and_body_in_one_run = false;
  for (const DrawnRun& run : runs1) label_and_body_in_one_run |= run.text == "1.First item";
  EXPECT_TRUE(label_and_body_in_one_run) << rendered.text;
}

// A page's structure with its elements and pieces numbered anew, in their
// order, from 1: what a range tells of a page whatever else it holds.
std::string renumbered(const std::string& structure_file, long page) {
  DrawnStructureReader reader({structure_file});
  DrawnStructurePage drawn;
  if (!reader.page_of(page, &drawn)) return "no page";
  std::map<long, long> ids = {{0, 0}};
  for (const DrawnElement& element : drawn.elements) ids.emplace(element.id, ids.size());
  std::map<long, long> orders = {{0, 0}};
  std::vector<long> sorted;
  for (const MarkedPiece& piece : drawn.pieces) sorted.push_back(piece.order);
  std::sort(sorted.begin(), sorted.end());
  for (long order : sorted) orders.emplace(order, orders.size());
  std::string text;
  for (const DrawnElement& element : drawn.elements) {
    text += "s " + std::to_string(ids[element.id]) + " " + std::to_string(ids[element.parent]) +
            " " + element.role + " " + element.lang + " " + std::to_string(element.left) + " " +
            std::to_string(element.top) + " " + std::to_string(element.right) + " " +
            std::to_string(element.bottom) + "\n";
  }
  for (const MarkedPiece& piece : drawn.pieces) {
    text += "m " + std::to_string(piece.run) + " " + std::to_string(piece.offset) + " " +
            std::to_string(ids[piece.element]) + " " + std::to_string(orders[piece.order]) + " " +
            static_cast<char>(piece.kind) + "\n";
  }
  return text;
}

// The tree's order is the reading order, whatever the order of drawing; a
// range that begins later tells the same structure of its pages, numbered
// among its own elements; recording the text alone tells the same.
TEST(TaggedPdfTest, StructureKeepsTheTreesOrderInEveryRangeAndWithoutImages) {
  WorkingFolder folder;
  PdfTaggedDocument document = office_document();
  document.drawn_in_reverse = true;
  write_tagged_pdf(folder.path() / "reversed.pdf", document);
  const Rendered whole = render(folder.path(), folder.path() / "reversed.pdf", 1, 2);
  ASSERT_EQ(whole.run.exit_status, 0) << whole.run.errors;
  const fs::path structure = folder.path() / "structure.txt";
  DrawnStructureReader reader({structure.string()});
  DrawnStructurePage first;
  DrawnStructurePage second;
  ASSERT_TRUE(reader.page_of(1, &first));
  ASSERT_TRUE(reader.page_of(2, &second));
  ASSERT_EQ(first.elements.size(), 12u);
  for (size_t i = 0; i < first.elements.size(); ++i) EXPECT_EQ(first.elements[i].id, long(i + 1));
  const std::vector<DrawnRun> runs1 = runs_of(whole.text, 1);
  EXPECT_EQ(owner_of(first, runs1, "Tagged document"), "H1 2");
  EXPECT_EQ(owner_of(first, runs1, "Value"), "TD 11");
  EXPECT_EQ(in_reading_order(first, runs1),
            "Tagged document|A paragraph that goes|1.|First item|Name|Value|");

  const std::string second_page = renumbered(structure.string(), 2);
  const Rendered later = render(folder.path(), folder.path() / "reversed.pdf", 2, 2);
  EXPECT_EQ(renumbered(structure.string(), 2), second_page);
  EXPECT_EQ(in_reading_order(second, runs_of(whole.text, 2)),
            "on over the page|Of no role|Bonjour|See|the manual|for more|");
  const Rendered text_only = render(folder.path(), folder.path() / "reversed.pdf", 2, 2, false);
  EXPECT_EQ(text_only.structure, later.structure);
}

// The parent tree leads from a range's pages to their elements, flat or
// in leaves; without one the tree is read whole. Each way tells the same.
TEST(TaggedPdfTest, EveryFormOfParentTreeTellsTheSameStructure) {
  WorkingFolder folder;
  PdfTaggedDocument document = office_document();
  document.drawn_in_reverse = true;
  write_tagged_pdf(folder.path() / "flat.pdf", document);
  document.parent_tree = PdfTaggedDocument::ParentTree::kLeafPerPage;
  write_tagged_pdf(folder.path() / "leaves.pdf", document);
  document.parent_tree = PdfTaggedDocument::ParentTree::kNone;
  write_tagged_pdf(folder.path() / "whole.pdf", document);
  const fs::path structure = folder.path() / "structure.txt";
  for (int first : {1, 2}) {
    std::vector<std::string> told;
    for (const char* pdf : {"flat.pdf", "leaves.pdf", "whole.pdf"}) {
      const Rendered rendered = render(folder.path(), folder.path() / pdf, first, 2);
      ASSERT_EQ(rendered.run.exit_status, 0) << pdf << rendered.run.errors;
      told.push_back(renumbered(structure.string(), 1) + renumbered(structure.string(), 2));
    }
    EXPECT_NE(told[0].find("Span fr"), std::string::npos) << told[0];
    EXPECT_EQ(told[1], told[0]) << "pages " << first << " to 2";
    EXPECT_EQ(told[2], told[0]) << "pages " << first << " to 2";
  }
}

// A whole run over a tagged PDF: the converter hands the renderer its
// structure file and leaves none of them behind.
TEST(TaggedPdfTest, RunLeavesNoStructureFileBehind) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_tagged_pdf("pdf_in/tagged.pdf", office_document());
  const ProgramRun run = run_lexiweb(kKeysToInput + "\n\n\n");
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_TRUE(fs::exists("htm_out/f000002.htm"));
  for (const auto& entry : fs::directory_iterator("htm_in")) {
    EXPECT_FALSE(entry.path().filename().string().starts_with("drawn-")) << entry.path();
  }
}

// An untagged PDF gets the document line alone, and its drawn text is what
// it was; its /Title is told all the same.
TEST(TaggedPdfTest, UntaggedPdfGetsTheDocumentLineAlone) {
  WorkingFolder folder;
  write_pdf(folder.path() / "plain.pdf", {PdfPage{{"Plain text"}, {}}, PdfPage{{"More"}, {}}});
  const Rendered rendered = render(folder.path(), folder.path() / "plain.pdf", 1, 2);
  ASSERT_EQ(rendered.run.exit_status, 0) << rendered.run.errors;
  EXPECT_EQ(rendered.structure, "d \t\r\n");
  DrawnStructureReader reader({(folder.path() / "structure.txt").string()});
  DrawnStructurePage page;
  EXPECT_FALSE(reader.page_of(1, &page));
}

// A tree whose element is its own kid, and a chain nested far deeper than
// any document's: the renderer ends, the deep content goes to the
// deepest element it keeps, and the pages are drawn.
TEST(TaggedPdfTest, HostileTreeIsReadBounded) {
  WorkingFolder folder;
  PdfTaggedDocument document;
  document.elements = {PdfStructElement{"Div", 1}};
  PdfStructElement* deepest = &document.elements.front();
  for (int depth = 1; depth < 5000; ++depth) {
    deepest->children.push_back(PdfStructElement{"Div", 1});
    deepest = &deepest->children.back();
  }
  deepest->children.push_back(PdfStructElement{"P", 1, {{"Deep down", 72, 700}}});
  std::string pdf = make_tagged_pdf(document);
  // The first element lists itself among its kids.
  const size_t kids = pdf.find("/K [", pdf.find("/Type /StructElem"));
  const size_t object = pdf.rfind("\n", pdf.rfind(" 0 obj", kids)) + 1;
  const std::string self = pdf.substr(object, pdf.find(' ', object) - object) + " 0 R ";
  pdf.insert(kids + 4, " " + self);
  write_file(folder.path() / "hostile.pdf", pdf);
  const Rendered rendered = render(folder.path(), folder.path() / "hostile.pdf", 1, 1);
  ASSERT_EQ(rendered.run.exit_status, 0) << rendered.run.errors;
  DrawnStructureReader reader({(folder.path() / "structure.txt").string()});
  DrawnStructurePage page;
  ASSERT_TRUE(reader.page_of(1, &page));
  ASSERT_EQ(page.elements.size(), static_cast<size_t>(kDeepestElement));
  EXPECT_EQ(owner_of(page, runs_of(rendered.text, 1), "Deep down"),
            "Div " + std::to_string(kDeepestElement));
  EXPECT_TRUE(fs::exists(folder.path() / "page001.png"));
}

#endif

}  // namespace
}  // namespace lexiweb::testing
