#include "typeset/fragment_widths.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "common/visual_order.h"

namespace lexiweb {
namespace {

// A fragment as pdftohtml -c writes it, with the widths a measure adds.
std::string fragment(int top, int left, const std::string& content,
                     const std::string& widths = "") {
  return "<p style=\"position:absolute;top:" + std::to_string(top) +
         "px;left:" + std::to_string(left) + "px;white-space:nowrap\" class=\"ft00\"" +
         (widths.empty() ? "" : " data-w=\"" + widths + "\"") + ">" + content + "</p>\n";
}

// Measures the fragments of `page` and writes it anew with their widths.
int add_widths(std::string& page, const std::vector<DrawnRun>& runs,
               std::vector<FragmentBaseline>* baselines) {
  ConvertedPage converted = read_converted_page(page);
  const int measured = add_fragment_widths(converted, runs, baselines);
  page = written_page(converted);
  return measured;
}

// A run at `left` to `right` (pixels) on the line whose top is `top`, 10
// pixels high.
DrawnRun run(double top, double left, double right, std::string text, bool visible = true) {
  const auto units = [](double pixels) { return static_cast<long>(pixels * kDrawnUnitsPerPixel); };
  return {units(top), units(top + 10), units(left), units(right), visible, std::move(text)};
}

// What the renderer draws does not come in the converter's lines: a line is
// the runs on its baseline that spell its text, its blanks aside, and a
// fragment's later lines are found below its first where they overlap it.
TEST(FragmentWidths, LinesAreTheRunsThatSpellThemOnTheirBaseline) {
  std::string page =
      fragment(100, 50, "Water &amp; <b>stone</b>") +  // runs with a gap, a reference, a tag
      fragment(200, 50, "TEX and more") +              // a raised run within the line
      fragment(300, 50, "bold") +                      // drawn twice, a little apart
      fragment(400, 50, "left<br/>side") +             // a second line below, beside a column
      fragment(500, 50, "nowhere") +                   // no such runs: no width
      fragment(600, 50, "hidden") +                    // invisible text: not measured
      fragment(700, 50, "u");                          // a glyph drawn turned: no width
  const std::vector<DrawnRun> runs = {
      run(100, 50, 90, "Water"),
      run(100, 93, 100, "&"),
      run(100, 103, 140.4, "stone"),
      run(200, 50, 55, "T"),
      run(203, 55, 60, "E"),
      run(200, 60, 65, "X"),
      run(200, 70, 120, " and more"),
      run(300, 50, 80, "bold"),
      run(300, 50.5, 80.5, "bold"),
      run(400, 50, 70, "left"),
      run(400, 200, 230, "left"),  // the same text in another column
      run(414, 120, 160, "side"),
      run(414, 50, 72.6, "side"),  // the first is the other column's
      run(500, 50, 60, "now"),
      run(600, 50, 80, "hidden", false),
      run(700, 50, 50, "u")};
  std::vector<FragmentBaseline> baselines;
  EXPECT_EQ(add_widths(page, runs, &baselines), 4);
  // Each fragment found has its first baseline 10 pixels below its top.
  ASSERT_EQ(baselines.size(), 7u);
  for (size_t i = 0; i < baselines.size(); ++i) {
    EXPECT_EQ(baselines[i].class_name, "ft00");
    EXPECT_EQ(baselines[i].measured, i < 4) << i;
    EXPECT_EQ(baselines[i].placed, i < 4 || i == 6) << i;
    if (baselines[i].placed) {
      EXPECT_EQ(baselines[i].drop, 10 * kDrawnUnitsPerPixel) << i;
    }
  }
  EXPECT_EQ(page, fragment(100, 50, "Water &amp; <b>stone</b>", "90") +
                      fragment(200, 50, "TEX and more", "70") + fragment(300, 50, "bold", "30") +
                      fragment(400, 50, "left<br/>side", "20,23") + fragment(500, 50, "nowhere") +
                      fragment(600, 50, "hidden") + fragment(700, 50, "u"));
}

// pdftohtml places a line that starts with blanks (a link's no-break
// spaces) where the blanks start; its text is drawn further right.
TEST(FragmentWidths, LineAfterBlanksIsMeasuredFromWhereItIsPlaced) {
  std::string page = fragment(100, 50, " &#160; 1.2.13,") +  // three blanks
                     fragment(200, 50, " far") +             // one blank, drawn too far off
                     fragment(300, 50, "  two lines<br/>below");
  const std::vector<DrawnRun> runs = {run(100, 62, 90, "1.2.13,"), run(200, 75, 90, "far"),
                                      run(300, 58, 80, "two lines"), run(314, 50, 70, "below")};
  std::vector<FragmentBaseline> baselines;
  EXPECT_EQ(add_widths(page, runs, &baselines), 2);
  EXPECT_EQ(page, fragment(100, 50, " &#160; 1.2.13,", "40") + fragment(200, 50, " far") +
                      fragment(300, 50, "  two lines<br/>below", "30,20"));
}

// `visual`, markup as pdftohtml writes it, as the converter passes it on:
// each stretch of right-to-left text between tags in the order it is read.
std::string as_converted(std::string_view visual) {
  std::string logical;
  append_markup_reordered(visual, fragment_direction(visual), false, logical);
  return logical;
}

// The renderer finds right-to-left text drawn left to right, as pdftohtml
// writes it; the converter has put it into the order it is read.
TEST(FragmentWidths, RightToLeftLinesAreMatchedInTheOrderTheyAreDrawn) {
  const std::string arabic = as_converted("ةيبرعلا ةغللا");
  const std::string mixed = as_converted("ةملك <b>file</b> PDF ةملك");
  const std::string two_lines = as_converted("رابتخا<br/>معد");
  ASSERT_EQ(arabic, "اللغة العربية");
  std::string page =
      fragment(100, 50, arabic) + fragment(200, 50, mixed) + fragment(300, 50, two_lines);
  const std::vector<DrawnRun> runs = {
      run(100, 50, 120, "ةيبرعلا ةغللا"), run(200, 50, 80, "ةملك "),  run(200, 80, 100, "file"),
      run(200, 100, 150, " PDF ةملك"),    run(300, 50, 90, "رابتخا"), run(314, 50, 75, "معد")};
  EXPECT_EQ(add_widths(page, runs, nullptr), 3);
  EXPECT_EQ(page, fragment(100, 50, arabic, "70") + fragment(200, 50, mixed, "100") +
                      fragment(300, 50, two_lines, "40,25"));
}

}  // namespace
}  // namespace lexiweb
