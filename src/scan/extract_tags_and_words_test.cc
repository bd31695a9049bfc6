#include "scan/extract_tags_and_words.h"

#include <gtest/gtest.h>

#include "common/run_values.h"
#include "scan/character_list_for_tests.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_character_list;

std::string word(const std::string& text, long page, long position, long number,
                 const std::string& context) {
  return record_line({text, right_aligned(page, 10), right_aligned(position, 10),
                      std::to_string(number), context});
}

TEST(ExtractTagsAndWords, TakesTheWordsOfConverterLikePagesWithoutStyleOrScript) {
  testing::WorkingFolder folder;
  write_character_list(
      {"<html><head><style>p{x}</style></head><body>\r\n"
       "<p>Hello <b>World</b>, it's me.</p>\r\n</body></html>\r\n",
       "<html><body><script>var a=\"<x>\";</script>Second page&nbsp;end</body></html>\r\n"});

  extract_tags_and_words();

  EXPECT_EQ(read_file("wrd_2.txt"),
            word("Hello", 1, 50, 1, "Hello  ") + word("World", 1, 59, 2, "Hello  World ") +
                word("it's", 1, 70, 3, "Hello  World , it's  ") +
                word("me", 1, 75, 4, "Hello  World , it's  me. ") +
                word("Second", 2, 42, 5, "Hello  World , it's  me. Second  ") +
                word("page&nbsp;end", 2, 49, 6, "Hello  World , it's  me. Second  page&nbsp;end "));
  EXPECT_EQ(g_run.word_count, 6);
  EXPECT_EQ(g_run.style_tag_count, 2);
  EXPECT_EQ(g_run.script_tag_count, 2);
}

TEST(ExtractTagsAndWords, ADocumentWithoutTextGivesNoWords) {
  testing::WorkingFolder folder;
  write_character_list({"<html><body></body></html>\r\n"});

  extract_tags_and_words();

  EXPECT_EQ(read_file("wrd_2.txt"), "");
  EXPECT_EQ(g_run.word_count, 0);
}

}  // namespace
}  // namespace lexiweb
