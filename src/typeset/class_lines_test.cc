#include "typeset/class_lines.h"

#include <gtest/gtest.h>

#include "typeset/face_shelf.h"
#include "typeset/turned_text.h"

namespace lexiweb {
namespace {

std::string page_with_rules(const std::string& rules) {
  return "<style type=\"text/css\">\n<!--\n\tp {margin: 0; padding: 0;}" + rules +
         "-->\n</style>\n<body><p class=\"ft00\">x</p></body>";
}

// Chromium's arithmetic: at 20px a face of ascent 1.127 and descent 0.29
// (Latin Modern's) has 23 and 6 pixels; with no leading its baseline lies
// 23 pixels below the top, so fragments whose baselines the PDF draws 18.3
// and 18.5 pixels below theirs move up by 4.5 (the middle one, the later
// of two). pdftohtml's own line height (31 pixels, for fragments of several
// lines) leaves half its leading, rounded down, above the ascent.
TEST(ClassLines, TheBaselineLandsWhereThePdfDrawsIt) {
  std::string page = page_with_rules(
      "\t.ft00{font-size:20px;font-family:lmroman10,serif;color:#000000;}\n"
      "\t.ft01{font-size:20px;line-height:31px;font-family:lmroman10,serif;color:#000000;}\n"
      "\t.ft02{font-size:20px;font-family:lmroman10,serif;color:#000000;}\n"
      "\t.ft03{font-size:20px;font-family:serif;color:#000000;}\n"
      "\t.ft04{font-size:20px;font-family:lmroman10,serif;transform:matrix(0,1,-1,0,0,0);}\n");
  const LineMetrics latin_modern{1.127, 0.29};
  place_class_lines(page,
                    {{"ft00", latin_modern},
                     {"ft01", latin_modern},
                     {"ft02", latin_modern},
                     {"ft04", latin_modern}},
                    {{"ft00", true, true, 1850},
                     {"ft00", true, true, 1830},
                     {"ft00", false, false, 0},
                     {"ft01", true, true, 1840},
                     {"ft02", false, false, 0},
                     {"ft03", true, true, 1800},
                     {"ft04", false, true, 1850}});
  EXPECT_EQ(page, page_with_rules(
                      "\t.ft00{font-size:20px;font-family:lmroman10,serif;color:#000000;"
                      "line-height:29px;margin-top:-4.5px;}\n"
                      "\t.ft01{font-size:20px;line-height:31px;font-family:lmroman10,serif;color:"
                      "#000000;margin-top:-5.6px;}\n"
                      // Nothing measured, or no face known: left as it is.
                      "\t.ft02{font-size:20px;font-family:lmroman10,serif;color:#000000;}\n"
                      "\t.ft03{font-size:20px;font-family:serif;color:#000000;}\n"
                      // Turned about its first glyph's origin.
                      "\t.ft04{font-size:20px;font-family:lmroman10,serif;transform:matrix(0,1,-1,"
                      "0,0,0);line-height:29px;margin-top:-4.5px;transform-origin:0 23px;}\n"));
}

// The heights the browser reads: hhea's, or OS/2's typographic ones where
// the face asks for them (Latin Modern Math does).
TEST(ClassLines, FacesGiveTheHeightsBrowsersRead) {
  FaceShelf shelf("unused");
  const LineMetrics roman =
      shelf.line_metrics({"lmroman10", "lmroman10-regular.otf", false, false, "serif"});
  const LineMetrics math =
      shelf.line_metrics({"LatinModernMath", "latinmodern-math.otf", false, false, "serif"});
  if (roman.ascent == 0 || math.ascent == 0) GTEST_SKIP() << "Latin Modern is not installed";
  EXPECT_DOUBLE_EQ(roman.ascent, 1.127);
  EXPECT_DOUBLE_EQ(roman.descent, 0.29);
  EXPECT_DOUBLE_EQ(math.ascent, 0.806);
  EXPECT_DOUBLE_EQ(math.descent, 0.194);
  EXPECT_EQ(shelf.line_metrics({"", "", false, false, "serif"}).ascent, 0);
}

constexpr char kTurn[] =
    "-moz-transform: matrix(         0,          1,         -1,          0, 0, 0);"
    "-webkit-transform: matrix(         0,          1,         -1,          0, 0, 0);"
    "-moz-transform-origin: left 75%;-webkit-transform-origin: left 75%;";

// On a page shown turned, a class that pdftohtml turned by the text matrix
// alone stands upright where the renderer saw it drawn from left to right;
// a class drawn turned gets the page's turn added; on a page not turned,
// pdftohtml's turns stay as they are.
TEST(TurnedText, ClassesTurnAsThePageShowsThem) {
  const std::string rules = std::string("\t.ft00{font-size:20px;color:#000000;") + kTurn +
                            "}\n\t.ft01{font-size:20px;color:#000000;}\n"
                            "\t.ft02{font-size:20px;color:#000000;" +
                            kTurn + "}\n";
  std::string page = page_with_rules(rules);
  EXPECT_EQ(add_page_turn(page, 270, {"ft00"}), std::set<std::string>{"ft01"});
  EXPECT_EQ(page, page_with_rules("\t.ft00{font-size:20px;color:#000000;}\n"
                                  "\t.ft01{font-size:20px;color:#000000;transform:matrix(0,-1,1,0,"
                                  "0,0);transform-origin:left 75%;}\n"
                                  "\t.ft02{font-size:20px;color:#000000;}\n"));
  // ft02 was turned a quarter by its text matrix and three by the page: upright.

  std::string unturned = page_with_rules(rules);
  EXPECT_EQ(add_page_turn(unturned, 0, {}), (std::set<std::string>{"ft00", "ft02"}));
  EXPECT_EQ(unturned, page_with_rules(rules));
}

}  // namespace
}  // namespace lexiweb
