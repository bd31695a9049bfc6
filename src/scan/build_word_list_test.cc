#include "scan/build_word_list.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "common/run_values.h"
#include "common/text.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_file;

std::string page(long number) { return right_aligned(number, 10); }

std::string word_record(const std::string& word, long on_page, long position, long number,
                        const std::string& context) {
  return record_line({word, page(on_page), page(position), std::to_string(number), context});
}

// The lines of a file, each with its CR LF.
std::vector<std::string> lines_of(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(read_file(path));
  std::string line;
  while (std::getline(in, line)) lines.push_back(line + "\n");
  return lines;
}

TEST(WordList, CaseFormsShareAWordNumberAndIdsFollowWordOrder) {
  testing::WorkingFolder folder;
  write_file("wrd_2.txt", word_record("Water", 2, 17, 1, "Water  ") +
                              word_record("apple", 3, 5, 2, "Water  apple  ") +
                              word_record("water", 5, 9, 4, "apple, water "));
  g_run.page_count = 7;

  build_word_list();

  const std::string apple = record_line({"       1", page(3), page(5), "f000003", "in000001",
                                         "i0000000001", "apple", "2", "Water  apple  "});
  const std::string capital = record_line({"       2", page(2), page(17), "f000002", "in000001",
                                           "i0000000002", "Water", "1", "Water  "});
  const std::string lower = record_line({"       2", page(5), page(9), "f000005", "in000001",
                                         "i0000000003", "water", "4", "apple, water "});
  EXPECT_EQ(read_file("wrd_4.txt"),
            record_line({"       1", page(3), page(5), "in000001", "i0000000001", "apple", "2",
                         "Water  apple  "}) +
                record_line({"       2", page(2), page(17), "in000001", "i0000000002", "Water", "1",
                             "Water  "}) +
                record_line({"       2", page(5), page(9), "in000001", "i0000000003", "water", "4",
                             "apple, water "}));
  EXPECT_EQ(read_file("wrd_12.txt"), record_line({"in000001", "i0000000001", "apple"}) +
                                         record_line({"in000001", "i0000000002", "Water"}));
  EXPECT_EQ(read_file("wrd_6.txt"), capital + apple + lower);
  EXPECT_EQ(read_file("in_list.txt"), record_line({page(1), "in000001"}) +
                                          record_line({page(1), "in000001"}) +
                                          record_line({page(1), "in000001"}));
  EXPECT_EQ(read_file("wrd_7.txt"), apple + capital + lower);
  // The follow-on pages come after the document's last page, not after the
  // last page that holds a word.
  EXPECT_EQ(g_run.contents_page_file, "f000008.htm");
  EXPECT_EQ(g_run.about_page_file, "f000009.htm");
  EXPECT_EQ(g_run.all_words_page_file, "f000010.htm");
}

TEST(WordList, The1201stOccurrenceOpensTheSecondIndexPageInTheMiddleOfAWord) {
  testing::WorkingFolder folder;
  std::string words;
  long number = 0;
  for (long position = 1; position <= 1198; ++position) {
    words += word_record("aaa", 1, position, ++number, "aaa ");
  }
  for (long position = 1; position <= 4; ++position) {
    words += word_record("bbb", 2, position, ++number, "bbb ");
  }
  write_file("wrd_2.txt", words);

  build_word_list();

  const std::vector<std::string> occurrences = lines_of("wrd_4.txt");
  ASSERT_EQ(occurrences.size(), 1202u);
  EXPECT_EQ(occurrences[1199], record_line({"       2", page(2), page(2), "in000001", "i0000001200",
                                            "bbb", "1200", "bbb "}));
  EXPECT_EQ(occurrences[1200], record_line({"       2", page(2), page(3), "in000002", "i0000001201",
                                            "bbb", "1201", "bbb "}));
  EXPECT_EQ(read_file("wrd_12.txt"), record_line({"in000001", "i0000000001", "aaa"}) +
                                         record_line({"in000001", "i0000001199", "bbb"}));
  const std::vector<std::string> index_pages = lines_of("in_list.txt");
  ASSERT_EQ(index_pages.size(), 1202u);
  EXPECT_EQ(index_pages[1199], record_line({page(1), "in000001"}));
  EXPECT_EQ(index_pages[1200], record_line({page(2), "in000002"}));
}

TEST(WordList, ADocumentWithoutWordsGivesEmptyListsAndFollowOnPagesAfterItsPages) {
  testing::WorkingFolder folder;
  write_file("wrd_2.txt", "");
  g_run.page_count = 2;

  build_word_list();

  for (const char* name : {"wrd_3.txt", "wrd_4.txt", "wrd_5.txt", "wrd_6.txt", "wrd_7.txt",
                           "wrd_12.txt", "in_list.txt"}) {
    EXPECT_TRUE(std::filesystem::exists(name)) << name;
    EXPECT_EQ(read_file(name), "") << name;
  }
  EXPECT_EQ(g_run.contents_page_file, "f000003.htm");
  EXPECT_EQ(g_run.about_page_file, "f000004.htm");
  EXPECT_EQ(g_run.all_words_page_file, "f000005.htm");
}

}  // namespace
}  // namespace lexiweb
