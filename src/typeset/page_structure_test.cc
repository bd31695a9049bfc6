#include "typeset/page_structure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lexiweb {
namespace {

// A converted page as the typesetting leaves it: class ft0 body text at
// 16 px, ft1 a larger face, ft2 fixed pitch, ft3 a face between, ft4 a
// smaller one.
struct Line {
  int top;
  int left;
  std::string class_name;
  std::string text;
};

std::string page_of(const std::vector<Line>& lines) {
  std::string page =
      "<body>\n<style type=\"text/css\">\n<!--\n"
      "\t.ft0{font-size:16px;font-family:serif;}\n"
      "\t.ft1{font-size:26px;font-family:serif;font-weight:bold;}\n"
      "\t.ft2{font-size:16px;font-family:\"Inconsolata\",monospace;}\n"
      "\t.ft3{font-size:20px;font-family:serif;font-weight:bold;}\n"
      "\t.ft4{font-size:13px;font-family:serif;}\n"
      "\t.ft5{font-size:16px;font-family:serif;font-weight:bold;}\n"
      "-->\n</style>\n"
      "<div id=\"page3-div\" style=\"position:relative;width:918px;height:1188px;\">\n"
      "<img width=\"918\" height=\"1188\" src=\"page003.png\" alt=\"background image\"/>\n";
  for (const Line& line : lines) {
    page += "<p style=\"position:absolute;top:" + std::to_string(line.top) +
            "px;left:" + std::to_string(line.left) + "px;white-space:nowrap\" class=\"" +
            line.class_name + "\">" + line.text + "</p>\n";
  }
  return page + "</div>\n</body>\n</html>\n";
}

// The page's blocks, one a line: the start tag of each wrapper, and the
// text of each fragment.
std::string outline_of(const std::string& page) {
  std::string shown;
  const size_t division = page.find("<div id=\"page3-div\"");
  for (size_t at = page.find('<', page.find('>', division) + 1); at != std::string::npos;
       at = page.find('<', at + 1)) {
    if (page.compare(at, 2, "<p") == 0) {
      const size_t text = page.find('>', at) + 1;
      shown += "  " + page.substr(text, page.find("</p>", text) - text) + "\n";
    } else if (page.compare(at, 6, "</div>") == 0 &&
               page.find('<', at + 1) == page.find("</body>")) {
      break;
    } else if (page.compare(at, 2, "</") != 0 && page.compare(at, 4, "<img") != 0 &&
               page.compare(at, 4, "<br/") != 0) {
      shown += page.substr(at, page.find('>', at) + 1 - at) + "\n";
    }
  }
  return shown;
}

// Structures `page` and writes it anew.
void structure_page(PageStructure& structure, std::string& page, const PageFacts& facts) {
  ConvertedPage converted = read_converted_page(page);
  structure.structure(converted, facts);
  page = written_page(converted);
}

PageFacts facts_of(std::vector<OutlineHeading> headings = {}, int levels = 0) {
  PageFacts facts;
  facts.page = 3;
  facts.document_title = "Rivers & Lakes";
  facts.outline_headings = std::move(headings);
  facts.outline_levels = levels;
  facts.background_image = "page003.png";
  return facts;
}

// The headings of a page as "level text", one a line.
std::string headings_of(const std::string& page) {
  std::string shown;
  const std::string start = "role=\"heading\" aria-level=\"";
  for (size_t at = page.find(start); at != std::string::npos; at = page.find(start, at + 1)) {
    const size_t level = at + start.size();
    shown += page.substr(level, 1);
    const size_t label = page.find("aria-label=\"", level);
    const size_t text = page.find("\">", level) + 2;
    if (label != std::string::npos && label < text) {
      shown += " (title)\n";
      continue;
    }
    const size_t inner = page.find('>', page.find("<p", text)) + 1;
    shown += " " + page.substr(inner, page.find("</p>", inner) - inner) + "\n";
  }
  return shown;
}

TEST(PageStructureTest, OutlineEntriesAreHeadingsAtTheirDepthAndTheTypeRanksTheRest) {
  std::string page = page_of({
      {100, 135, "ft1", "2 Rivers"},
      {160, 135, "ft0", "Water runs down to the sea."},
      // The outline's, in the body's face and as close to the text after
      // it as the text's lines are to each other.
      {200, 135, "ft0", "Mountain streams"},
      {220, 135, "ft0", "They are cold and run fast from the snows to the plains."},
  });
  PageStructure structure;
  structure_page(structure, page, facts_of({{"Rivers", 0}, {"Mountain streams", 2}}, 3));
  EXPECT_EQ(outline_of(page),
            "<div class=\"lw-h\" role=\"heading\" aria-level=\"1\">\n  2 Rivers\n"
            "<div class=\"lw-p\">\n  Water runs down to the sea.\n"
            "<div class=\"lw-h\" role=\"heading\" aria-level=\"2\">\n  Mountain streams\n"
            "<div class=\"lw-p\">\n  They are cold and run fast from the snows to the plains.\n");

  // An entry of a script written without blanks names a heading drawn in
  // pieces.
  std::string pieces = page_of({{100, 135, "ft0", "3.2 SMILES"},
                                {100, 240, "ft0", "\xE8\xA1\xA8\xE8\xA8\x98\xE6\xB3\x95"},
                                {160, 135, "ft0", "\xE6\x9C\xAC\xE6\x96\x87"}});
  structure_page(structure, pieces,
                 facts_of({{"3.2 SMILES\xE8\xA1\xA8\xE8\xA8\x98\xE6\xB3\x95", 1}}, 2));
  EXPECT_EQ(headings_of(pieces), "1 (title)\n2 3.2 SMILES\n");

  // Without the outline the larger face is a heading at the top level, and
  // the page gets no other level-1 heading.
  std::string plain = page_of({{100, 135, "ft1", "2 Rivers"}, {160, 135, "ft0", "Water runs."}});
  structure_page(structure, plain, facts_of());
  EXPECT_NE(plain.find("aria-level=\"1\">\n<p"), std::string::npos) << plain;
  EXPECT_EQ(plain.find("lw-title"), std::string::npos) << plain;
}

TEST(PageStructureTest, HeadingLevelsCloseUpWhereThePageSkipsOne) {
  // The type ranks its headings below an outline two levels deep, of which
  // the page shows no entry: they come under the title's level 1 and keep
  // how they nest.
  const std::vector<Line> lines = {
      {100, 135, "ft1", "Rivers"},
      {160, 135, "ft0", "Water runs down to the sea."},
      {200, 135, "ft3", "Mountain streams"},
      {240, 135, "ft0", "They are cold."},
      {300, 135, "ft1", "Lakes"},
      {360, 135, "ft0", "They lie still."},
      {400, 135, "ft0", "Deep pools"},
      {440, 135, "ft0", "They are dark."},
  };
  PageStructure structure;
  std::string page = page_of(lines);
  structure_page(structure, page, facts_of({}, 2));
  EXPECT_EQ(headings_of(page), "1 (title)\n2 Rivers\n3 Mountain streams\n2 Lakes\n");

  // Among the outline's own headings too: the entry at the outline's top,
  // a heading of the type below the outline's four levels, an entry of the
  // third level and one of the fourth under it.
  page = page_of(lines);
  structure_page(structure, page, facts_of({{"Rivers", 0}, {"Lakes", 2}, {"Deep pools", 3}}, 4));
  EXPECT_EQ(headings_of(page), "1 Rivers\n2 Mountain streams\n2 Lakes\n3 Deep pools\n");

  // Headings before the page's own level-1 heading stand under the document's.
  page = page_of(lines);
  structure_page(structure, page, facts_of({{"Mountain streams", 3}, {"Lakes", 0}}, 4));
  EXPECT_EQ(headings_of(page), "2 Rivers\n2 Mountain streams\n1 Lakes\n");
}

TEST(PageStructureTest, PartsSetWithoutANumberAreHeadingsByTheirTitlesAlone) {
  std::string page = page_of({
      {40, 135, "ft0", "Contents"},  // a running header the pages before did not have
      {100, 135, "ft1", "Rivers and their lakes"},
      {160, 420, "ft4", "Abstract"},
      {190, 160, "ft4", "We count the rivers of the world and the lakes they fill."},
      {240, 135, "ft0", "Abstract thoughts come later."},
      {280, 135, "ft0", "The rivers and their lengths are listed in the"},
      {300, 135, "ft0", "Index"},
      {340, 135, "ft0", "Appendix B: Tables"},
      {380, 135, "ft0", "Appendix B shows the tables of the rivers by their length."},
      {420, 135, "ft2", "index"},
  });
  PageStructure structure;
  structure_page(structure, page, facts_of());
  // The small abstract's title comes under the document's, beside the appendix.
  EXPECT_EQ(headings_of(page), "1 Rivers and their lakes\n2 Abstract\n2 Appendix B: Tables\n");
  EXPECT_NE(outline_of(page).find("<div class=\"lw-p\">\n  The rivers and their lengths are "
                                  "listed in the\n  Index\n"),
            std::string::npos);
}

TEST(PageStructureTest, BoldNumberedSectionTitleOnTwoLinesIsAHeadingANumberedListStaysAList) {
  std::string page = page_of({
      {300, 135, "ft5", "2. Evanescent and conventional coupling of"},
      {320, 157, "ft5", "light and matter"},  // under the title's text
      {350, 135, "ft0", "Body text follows as a paragraph of the page."},
      {390, 135, "ft0", "1. the first item of a list"},
      {410, 135, "ft0", "2. the second item"},
  });
  PageStructure structure;
  structure_page(structure, page, facts_of());
  EXPECT_EQ(outline_of(page),
            "<div class=\"lw-h\" role=\"heading\" aria-level=\"1\">\n"
            "  2. Evanescent and conventional coupling of\n  light and matter\n"
            "<div class=\"lw-p\">\n  Body text follows as a paragraph of the page.\n"
            "<ol class=\"lw-list\">\n<li>\n  1. the first item of a list\n"
            "<li>\n  2. the second item\n");
}

TEST(PageStructureTest, PageWithoutAHeadingOfItsOwnGetsTheTitleWithItsNumber) {
  std::string page = page_of({{160, 135, "ft0", "Water runs down to the sea."}});
  PageStructure structure;
  structure_page(structure, page, facts_of());
  EXPECT_NE(page.find("<div class=\"lw-title\" role=\"heading\" aria-level=\"1\" "
                      "aria-label=\"Rivers &amp; Lakes, page 3\"></div>"),
            std::string::npos)
      << page;
  // Two entries of the outline's top on one page: two level-1 headings.
  std::string two = page_of({{100, 135, "ft1", "Rivers"}, {300, 135, "ft1", "Lakes"}});
  structure_page(structure, two, facts_of({{"Rivers", 0}, {"Lakes", 0}}, 1));
  EXPECT_EQ(headings_of(two), "1 Rivers\n1 Lakes\n");
}

TEST(PageStructureTest, ListsCodeAndLinesOfAParagraph) {
  std::string page = page_of({
      {160, 135, "ft0", "The rivers are:"},
      {184, 148, "ft0", "\xE2\x80\xA2"},
      {184, 167, "ft0", "the Amber, long and slow;"},
      {204, 167, "ft0", "it floods in spring."},
      {228, 148, "ft0", "\xE2\x80\xA2"},
      {228, 167, "ft0", "the Birch."},
      {260, 187, "ft2", "flow = depth * speed"},
      {300, 187, "ft2", "return flow"},
      {340, 157, "ft0", "A paragraph of two lines, the second with a word bro-"},
      {360, 135, "ft0", "ken at the line's end."},
      // A logo's letter kerned into the one before.
      {400, 135, "ft0", "Set in the"},
      {400, 300, "ft0", "L"},
      {400, 303, "ft4", "A"},
      {400, 309, "ft0", "TEX way,"},
      {420, 135, "ft0", "its lines stay one paragraph."},
      // A fragment of three lines, its last words in another face.
      {460, 135, "ft0", "Three lines<br/>of a paragraph<br/>end with"},
      {498, 248, "ft3", "bold"},
      {498, 296, "ft0", "words,"},
      {518, 135, "ft0", "and it goes"},
      {518, 223, "ft2", "on"},
      {518, 239, "ft0", " too."},  // its blank its own
      // A fragment of two lines whose last is short ends its paragraph.
      {560, 135, "ft0",
       "Two lines, the first of them as full as a line can be<br/>and the last short."},
      {600, 135, "ft0", "The next paragraph starts at the margin."},
  });
  PageStructure structure;
  structure_page(structure, page, facts_of());
  EXPECT_EQ(
      outline_of(page),
      "<div class=\"lw-title\" role=\"heading\" aria-level=\"1\" aria-label=\"Rivers &amp; "
      "Lakes, page 3\">\n"
      "<div class=\"lw-p\">\n  The rivers are:\n"
      "<ul class=\"lw-list\">\n<li>\n  \xE2\x80\xA2\n  the Amber, long and slow;\n"
      "  it floods in spring.\n"
      "<li>\n  \xE2\x80\xA2\n  the Birch.\n"
      "<div class=\"lw-code\">\n  flow = depth * speed\n  return flow\n"
      "<div class=\"lw-p\">\n  A paragraph of two lines, the second with a word bro-\n"
      "  ken at the line's end.\n"
      "<div class=\"lw-p\">\n  Set in the\n  L\n  A\n  TEX way,\n"
      "  its lines stay one paragraph.\n"
      "<div class=\"lw-p\">\n  Three lines<br/>of a paragraph<br/>end with\n  bold\n"
      "  words,\n  and it goes\n  on\n   too.\n"
      "<div class=\"lw-p\">\n  Two lines, the first of them as full as a line can be<br/>and the "
      "last short.\n"
      "<div class=\"lw-p\">\n  The next paragraph starts at the margin.\n");
  // How each fragment follows the one before in the flowing text.
  EXPECT_NE(page.find("<p data-f=\"h\" style=\"position:absolute;top:360px"), std::string::npos);
  EXPECT_NE(page.find("<p data-f=\"n\" style=\"position:absolute;top:300px"), std::string::npos);
  EXPECT_NE(page.find("<p data-f=\"s\" style=\"position:absolute;top:204px"), std::string::npos);
  EXPECT_NE(page.find("<p data-f=\"b\" style=\"position:absolute;top:518px;left:239px"),
            std::string::npos);
}

TEST(PageStructureTest, TextInTheBodysSizeOnAPageOfSmallerNotesIsNoHeading) {
  PageStructure structure;
  std::vector<Line> lines;
  for (int top = 100; top < 300; top += 20) {
    lines.push_back({top, 135, "ft0", "Rivers run down from the hills to the sea and carry"});
  }
  std::string body = page_of(lines);
  structure_page(structure, body, facts_of());
  std::string notes = page_of({
      {100, 135, "ft0", "The lakes"},
      {160, 135, "ft4", "[1] A. Author, Lakes of the north, and of the south, 1990."},
      {180, 135, "ft4", "[2] B. Author, Rivers of the west, and of the east, 1991."},
      {200, 135, "ft4", "[3] C. Author, Streams of the plains and of the hills, 1992."},
  });
  structure_page(structure, notes, facts_of());
  EXPECT_EQ(headings_of(notes), "1 (title)\n") << notes;
}

TEST(PageStructureTest, RunningHeadersRepeatFromPageToPageAndGoFirst) {
  PageStructure structure;
  const std::vector<std::string> headers = {"Chapter 2. Rivers", "Chapter 2. Rivers"};
  std::string first = page_of({{40, 135, "ft0", "Chapter 2. Rivers"}, {160, 135, "ft0", "Water."}});
  structure_page(structure, first, facts_of());
  // Once is no running header: it might be the page's own first line.
  EXPECT_EQ(first.find("lw-running"), std::string::npos);
  std::string second = page_of({{160, 135, "ft0", "Streams."},
                                {40, 135, "ft0", "Chapter 2. Rivers"},
                                {1140, 450, "ft0", "17"}});
  structure_page(structure, second, facts_of());
  EXPECT_EQ(outline_of(second),
            "<div class=\"lw-title\" role=\"heading\" aria-level=\"1\" aria-label=\"Rivers &amp; "
            "Lakes, page 3\">\n"
            "<div class=\"lw-running\" aria-hidden=\"true\">\n  Chapter 2. Rivers\n"
            "<div class=\"lw-p\">\n  Streams.\n"
            "<div class=\"lw-running\" aria-hidden=\"true\">\n  17\n");
  // A section's number at the foot is no page number.
  std::string third = page_of({{160, 135, "ft0", "Streams."}, {1140, 450, "ft0", "1.2.13,"}});
  structure_page(structure, third, facts_of());
  EXPECT_EQ(third.find("lw-running"), std::string::npos) << third;
}

TEST(PageStructureTest, TablesAndFiguresOfAColumn) {
  std::string page = page_of({
      {160, 135, "ft0", "Rivers"},
      {160, 300, "ft0", "Length"},
      {180, 135, "ft0", "Amber"},
      {180, 300, "ft0", "120 km"},
      {600, 135, "ft0", "Figure 1: The delta."},
  });
  PageStructure structure;
  structure_page(structure, page, facts_of());
  const std::string shown = outline_of(page);
  EXPECT_NE(shown.find("<div class=\"lw-table\">\n<table>\n<tr>\n<td>\n  Rivers\n<td>\n  Length\n"
                       "<tr>\n<td>\n  Amber\n<td>\n  120 km\n<figure"),
            std::string::npos)
      << shown;
  // The band the text leaves empty above the caption is the figure's.
  EXPECT_NE(page.find("<figure class=\"lw-figure\" aria-hidden=\"true\" style=\"aspect-ratio:"),
            std::string::npos);
  EXPECT_LT(page.find("<figure"), page.find("Figure 1"));
}

TEST(PageStructureTest, DivisionWithOtherMarkupKeepsItsOrderAndGetsItsHeading) {
  std::string page = page_of({{160, 135, "ft0", "Water."}, {200, 135, "ft0", "Stones."}});
  page.insert(page.find("<p style=\"position:absolute;top:200px"), "<hr/>\n");
  const std::string before = page;
  PageStructure structure;
  structure_page(structure, page, facts_of());
  // Only the heading and the flowing view's style and script come in.
  const size_t first = before.find("<p style");
  EXPECT_EQ(page.substr(page.find("<div id=\"page3-div\"")),
            before.substr(before.find("<div id=\"page3-div\""), first - before.find("<div id")) +
                "<div class=\"lw-title\" role=\"heading\" aria-level=\"1\" "
                "aria-label=\"Rivers &amp; Lakes, page 3\"></div>\n" +
                before.substr(first));
  EXPECT_NE(page.find("<script src=\"fonts/flow.js\" data-width=\"918\"></script>\n<div id"),
            std::string::npos);
}

}  // namespace
}  // namespace lexiweb
