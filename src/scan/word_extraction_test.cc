#include "scan/word_extraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

std::string repeated(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// The context of every word record that `text`, one run of characters on
// page 1, gives.
std::vector<std::string> contexts_of(const std::string& text) {
  testing::WorkingFolder folder;
  {
    RecordWriter out(kWordsFile);
    RecordWriter parts(kWordPartsFile);
    WordCutter words(out, parts, WordRule::kBytes);
    words.take_characters(text, 1, 1);
  }
  std::vector<std::string> contexts;
  RecordReader in(kWordsFile);
  Record record;
  while (in.read_record(&record)) contexts.emplace_back(record.field(word_record::kContext));
  return contexts;
}

// In a run of one word each context holds one more "water" and its two
// blanks than the one before, for the first occurrence of the oldest word
// stays at the front: 7 bytes per word. A phrase of n words is 7n - 1 bytes
// before its last blank, which first passes 1,000 at n = 144; it then begins
// at the oldest word's own occurrence, which leaves that word and the eleven
// after it. So the contexts count 1 to 143 words, then go round from 12 to
// 143 again, period 132.
TEST(WordCutter, ContextsOfARunOfOneWordRiseAndFallInASawtooth) {
  constexpr int kWords = 700;
  const std::vector<std::string> contexts = contexts_of(repeated("water ", kWords));
  std::vector<size_t> expected_lengths;
  for (int k = 1; k <= kWords; ++k) {
    const int words = k <= 143 ? k : 12 + (k - 144) % 132;
    expected_lengths.push_back(7 * static_cast<size_t>(words));
  }
  std::vector<size_t> lengths;
  for (const std::string& context : contexts) {
    lengths.push_back(context.size());
    EXPECT_EQ(context, repeated("water  ", static_cast<int>(context.size() / 7)));
  }
  EXPECT_EQ(lengths, expected_lengths);
}

// A long context stays whole when it begins at the oldest word's own
// occurrence, or when that occurrence is no longer in the phrase ("&nbsp;"
// clears the phrase): only a run of text without accepted words makes it long.
TEST(WordCutter, LongContextsStayWholeWithoutAnEarlierStartToCut) {
  const std::string short_words = repeated("a ", 600);
  const std::string eleven = "two three four five six seven eight nine ten eleven twelve ";
  const std::vector<std::string> at_front = contexts_of("alpha " + short_words + eleven);
  ASSERT_EQ(at_front.size(), 12u);
  EXPECT_EQ(at_front.back(), "alpha  " + short_words +
                                 "two  three  four  five  six  seven  "
                                 "eight  nine  ten  eleven  twelve  ");

  const std::vector<std::string> cleared = contexts_of("alpha &nbsp; alpha " + short_words +
                                                       "two three four five six seven eight "
                                                       "nine ten eleven ");
  ASSERT_EQ(cleared.size(), 12u);
  EXPECT_EQ(cleared.back(), "alpha  " + short_words +
                                "two  three  four  five  six  seven  "
                                "eight  nine  ten  eleven  ");
}

}  // namespace
}  // namespace lexiweb
