#include "convert/recognised_lines.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

RecognizedLine line(bool starts_block, long top, std::vector<RecognizedWord> words) {
  RecognizedLine recognised;
  recognised.starts_block = starts_block;
  recognised.box = {words.front().box.left, top, words.back().box.right, top + 40};
  recognised.words = std::move(words);
  return recognised;
}

RecognizedWord word(long left, long right, long confidence, std::string text) {
  return {{left, 0, right, 40}, confidence, std::move(text)};
}

std::vector<std::string> texts(const std::vector<PlacedLine>& lines) {
  std::vector<std::string> words;
  for (const PlacedLine& placed : lines) {
    for (const PlacedWord& w : placed.words) words.push_back(w.text);
  }
  return words;
}

// Noise is dropped by the median of a page and of a block, never word by
// word: a misread word among read ones stays, as the peers keep it.
TEST(RecognisedLines, PagesAndBlocksOfNoiseGoAndTheirWordsAreScaledToThePage) {
  RecognizedPage page{1000, 2000, {}};
  page.lines.push_back(
      line(true, 100,
           {word(100, 300, 96, "Rivers"), word(340, 400, 12, "x7"), word(420, 600, 95, "flow")}));
  page.lines.push_back(line(false, 150, {word(100, 200, 97, "on")}));
  page.lines.push_back(line(true, 800, {word(100, 150, 20, "~"), word(200, 250, 25, "ll")}));
  const std::vector<PlacedLine> lines = recognised_lines(page, 500);
  EXPECT_EQ(texts(lines), (std::vector<std::string>{"Rivers", "x7", "flow", "on"}));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].left, 50);
  EXPECT_EQ(lines[0].top, 50);
  EXPECT_EQ(lines[0].words[2].right, 300);

  // A page whose words are mostly noise: a picture read as text.
  RecognizedPage picture{1000, 2000, {}};
  picture.lines.push_back(line(
      true, 100, {word(100, 300, 90, "Tree"), word(340, 400, 40, "ii"), word(420, 600, 35, "Il")}));
  EXPECT_TRUE(recognised_lines(picture, 500).empty());
}

// A scanner's text layer draws each word with the blank after it,
// stretched over the word's picture; a run of several words is shared
// among them by their characters.
TEST(RecognisedLines, InvisibleRunsMakeLinesOfWords) {
  const long unit = kDrawnUnitsPerPixel;
  const std::vector<DrawnRun> runs = {
      {90 * unit, 100 * unit, 10 * unit, 50 * unit, false, "Water "},
      {90 * unit, 100 * unit, 60 * unit, 120 * unit, false, "and stone"},
      {90 * unit, 100 * unit, 10 * unit, 30 * unit, true, "seen"},
      {110 * unit, 120 * unit, 10 * unit, 40 * unit, false, "next"}};
  const std::vector<PlacedLine> lines = invisible_lines(runs);
  ASSERT_EQ(lines.size(), 2u);
  ASSERT_EQ(texts({lines[0]}), (std::vector<std::string>{"Water", "and", "stone"}));
  EXPECT_EQ(lines[0].words[0].right, 50);
  EXPECT_EQ(lines[0].words[1].left, 60);
  EXPECT_NEAR(lines[0].words[1].right, 60 + 3 * 60.0 / 9, 1e-9);
  EXPECT_EQ(lines[0].words[2].right, 120);
  EXPECT_EQ(texts({lines[1]}), (std::vector<std::string>{"next"}));
}

}  // namespace
}  // namespace lexiweb
