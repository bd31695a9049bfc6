#include "library/piece_series.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace lexiweb {
namespace {

// Piece name -> its entries and the next piece's name.
using Pieces = std::map<std::string, std::string>;

Pieces cut(const std::vector<std::string>& words, size_t bound) {
  Pieces pieces;
  PieceSeries series(bound, 4, true,
                     [&](const std::string& name, const std::string& entries,
                         const std::string& next) { pieces[name] = entries + ">" + next; });
  series.start_group("g");
  for (const std::string& word : words) series.add(word, word + ";");
  series.finish_group();
  return pieces;
}

std::vector<std::string> numbered_words(int count) {
  std::vector<std::string> words;
  for (int n = 1000; n < 1000 + count; ++n) words.push_back("w" + std::to_string(n));
  return words;
}

// Names stay those of the libraries already written, on every machine.
TEST(PieceSeries, KeyNameIsFnv1a) {
  EXPECT_EQ(key_name(""), "cbf29ce484222325");
  EXPECT_EQ(key_name("a"), "af63dc4c8601ec8c");
}

// One added word changes at most its own piece and the one before it (whose
// link names the next piece), however many pieces follow.
TEST(PieceSeries, AnAddedWordLeavesTheOtherPiecesAsTheyWere) {
  std::vector<std::string> words = numbered_words(400);
  const Pieces before = cut(words, 1000);
  ASSERT_GT(before.size(), 20u);
  words.insert(words.begin() + 37, "w1036a");
  const Pieces after = cut(words, 1000);
  size_t kept = 0;
  for (const auto& [name, bytes] : after) {
    const auto old = before.find(name);
    kept += old != before.end() && old->second == bytes;
  }
  EXPECT_GE(kept + 2, after.size());
  EXPECT_GE(kept + 2, before.size());
}

TEST(PieceSeries, PiecesKeepTheirBound) {
  for (const auto& [name, bytes] : cut(numbered_words(400), 24)) {
    EXPECT_LE(bytes.find('>'), 24u) << name;
  }
}

}  // namespace
}  // namespace lexiweb
