#include "scan/word_extraction.h"

#include <gtest/gtest.h>

#include <iostream>

#include "common/run_values.h"
#include "platform/console.h"
#include "scan/character_list_for_tests.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::character_line;
using testing::read_file;
using testing::record_line;
using testing::separator_line;
using testing::write_file;

// Writes the text stream of `text` on page 1, every byte at the next
// position; "|" stands for a separator record.
void write_stream(const std::string& text) {
  std::string lines;
  long position = 1;
  for (unsigned char byte : text) {
    lines += byte == '|' ? separator_line() : character_line(1, position, byte);
    ++position;
  }
  write_file("wrd_1.txt", lines);
}

std::string word(const std::string& text, long position, long number, const std::string& context) {
  return record_line(
      {text, right_aligned(1, 10), right_aligned(position, 10), std::to_string(number), context});
}

// Words w01, w02, ... from `first` to `last`, each followed by a blank.
std::string numbered_words(int first, int last) {
  std::string text;
  for (int n = first; n <= last; ++n) text += (n < 10 ? "w0" : "w") + std::to_string(n) + " ";
  return text;
}

TEST(WordRules, ShortWordsAreDroppedUnlessTheyBeginWithADigitOneToNine) {
  testing::WorkingFolder folder;
  write_stream("7 42 05 0 ab abc caf\xE9|");

  write_word_records();

  EXPECT_EQ(read_file("wrd_2.txt"), word("7", 1, 1, "7  ") + word("42", 3, 2, "7  42  ") +
                                        word("abc", 14, 3, "7  42  05 0 ab abc  ") +
                                        word("caf\xE9", 18, 4, "7  42  05 0 ab abc  caf\xE9 "));
  EXPECT_EQ(g_run.word_count, 4);
}

TEST(WordRules, LeadingPunctuationIsClearedAndOneTrailingCharacterTrimmed) {
  testing::WorkingFolder folder;
  write_stream("(word), xy. a; abc; &amp; ((-def|");

  write_word_records();

  EXPECT_EQ(read_file("wrd_2.txt"),
            word("word)", 2, 1, "(word),  ") + word("xy", 9, 2, "(word),  xy.  ") +
                word("abc", 16, 3, "(word),  xy.  a; abc;  ") +
                word("&amp;", 21, 4, "(word),  xy.  a; abc;  &amp;  ") +
                word("def", 30, 5, "(word),  xy.  a; abc;  &amp;  ((-def "));
}

TEST(WordRules, NonBreakingSpacesAreDroppedAndClearThePhrase) {
  testing::WorkingFolder folder;
  write_stream("abc &nbsp; &nbsp; def|");

  write_word_records();

  EXPECT_EQ(read_file("wrd_2.txt"), word("abc", 1, 1, "abc  ") + word("def", 19, 2, "def "));
  EXPECT_EQ(g_run.word_count, 2);
}

TEST(WordRules, QuotesAndLineBreaksEndWordsWithoutEnteringThePhrase) {
  testing::WorkingFolder folder;
  write_stream("say\"it's\"now\r\nend|");

  write_word_records();

  EXPECT_EQ(read_file("wrd_2.txt"), word("say", 1, 1, "say ") + word("it's", 5, 2, "say it's ") +
                                        word("now", 10, 3, "say it's now ") +
                                        word("end", 15, 4, "say it's now end "));
}

TEST(WordRules, AWordStillBeingCollectedAtTheEndIsNotWritten) {
  testing::WorkingFolder folder;
  write_stream("abc def");

  write_word_records();

  EXPECT_EQ(read_file("wrd_2.txt"), word("abc", 1, 1, "abc  "));
  EXPECT_EQ(g_run.word_count, 1);
}

TEST(WordRules, StrayDelimitersSuppressWordsUntilTheyLeaveTheContext) {
  testing::WorkingFolder folder;
  write_stream("abc a<b " + numbered_words(1, 12) + "|");

  write_word_records();

  // a<b and w01 to w11 take the running numbers 2 to 13 but carry "<" in
  // their word or context; w12's context starts at w01.
  EXPECT_EQ(read_file("wrd_2.txt"),
            word("abc", 1, 1, "abc  ") + word("w12", 53, 14,
                                              "w01  w02  w03  w04  w05  w06  w07  w08  "
                                              "w09  w10  w11  w12  "));
  EXPECT_EQ(g_run.word_count, 14);
}

TEST(Context, ReachesBackOverElevenAcceptedWords) {
  testing::WorkingFolder folder;
  write_stream("an " + numbered_words(1, 13) + "|");

  write_word_records();

  // Up to the eleventh accepted word the context is all the text so far.
  const std::string records = read_file("wrd_2.txt");
  EXPECT_NE(records.find(
                word("w11", 44, 11, "an w01  w02  w03  w04  w05  w06  w07  w08  w09  w10  w11  ")),
            std::string::npos);
  EXPECT_NE(records.find(word("w12", 48, 12,
                              "w01  w02  w03  w04  w05  w06  w07  w08  w09  w10  w11  w12  ")),
            std::string::npos);
  EXPECT_TRUE(records.ends_with(
      word("w13", 52, 13, "w02  w03  w04  w05  w06  w07  w08  w09  w10  w11  w12  w13  ")));
}

TEST(Context, StartsAtTheFirstPlaceTheOldestWordAppears) {
  testing::WorkingFolder folder;
  write_stream("xx other the " + numbered_words(1, 11) + "|");

  write_word_records();

  // "the" stands first inside "other".
  EXPECT_TRUE(read_file("wrd_2.txt")
                  .ends_with(word("w11", 54, 13,
                                  "ther  the  w01  w02  w03  w04  w05  w06  w07  w08  w09  "
                                  "w10  w11  ")));
}

class StderrConsole : public Console {
 public:
  char read_key() override { return kEnterKey; }
  std::string read_line() override { return {}; }
  void write(std::string_view text) override { std::cerr << text; }
  void clear_screen() override {}
};

TEST(WordRulesDeathTest, AWordOnPageZeroEndsTheRun) {
  testing::WorkingFolder folder;
  write_file("wrd_1.txt", testing::record_of('a', 0, 1, "a"));
  StderrConsole console;

  EXPECT_EXIT(
      {
        set_console(&console);
        write_word_records();
      },
      ::testing::ExitedWithCode(0),
      "---------------------------\nVAL\\(wrd\\.file\\.num\\$\\) = 0\n");
}

}  // namespace
}  // namespace lexiweb
