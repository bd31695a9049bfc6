#include "wordindex/write_index_pages.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/run_values.h"
#include "shell/file_ops.h"
#include "wordindex/index_test_pages.h"

namespace lexiweb {
namespace {

using testing::index_page_list;
using testing::index_page_opening;
using testing::occurrence;
using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

constexpr char kNoLinks[] = "<div align = \"center\"></div>\r\n";
constexpr char kPageEnd[] = "</ol>\r\n</div>\r\n";
constexpr char kClosingLine[] = "</body></HTML>\r\n";

// The link to an occurrence on output page f00000`page` that opens every item.
std::string item_link(int page, const std::string& id, const std::string& word) {
  return "<li ><a href=\"f00000" + std::to_string(page) + ".htm#" + id + "\" ><span  id=\"" + id +
         "\" > " + word + "</span> </a>";
}

// The short item that opens a page or a word.
std::string short_item(int page, const std::string& id, const std::string& word) {
  const std::string number = std::to_string(page);
  return item_link(page, id, word) + " (page" + number + ".htm , f00000" + number +
         ".htm)</li>\r\n";
}

// A full item; `word_number` is the text after the source page name, and
// the index link leads to `first_id` on the all-words page f000006.htm.
std::string full_item(int page, const std::string& id, const std::string& word,
                      const std::string& word_number, const std::string& first_id,
                      const std::string& context, const std::string& query) {
  const std::string number = std::to_string(page);
  return item_link(page, id, word) + "&nbsp (page" + number + ".htm" + word_number +
         "&nbsp <a href = \"f000006.htm#" + first_id + "\"> index</a>&nbsp ... " + context +
         "...,  f00000" + number +
         ".htm)&nbsp &nbsp <a href=\"https://www.google.com/search?q=" + query +
         "\"> Google </a></li>\r\n";
}

class WriteIndexPagesTest : public ::testing::Test {
 protected:
  WriteIndexPagesTest() {
    make_folder("htm_out");
    g_run.page_count = 3;
    g_run.page_stems = {"", "page1", "page2", "page3"};
    g_run.all_words_page_file = "f000006.htm";
    g_run.target_site = "www.ex\"ample.com";
  }

  // The page as written into htm_out.
  std::string page(const std::string& name) { return read_file("htm_out/" + name); }

  WorkingFolder folder_;
};

// Page 2 starts in the middle of the first word, page 3 with the second word.
TEST_F(WriteIndexPagesTest, PageBreaksInsideAWordAndAtAWordBoundary) {
  g_run.target_site = "";
  write_file("wrd_7.txt", occurrence(1, 1, 1, 1, 1, "river", "1", "river") +
                              occurrence(1, 1, 9, 1, 2, "river", "2", "the river") +
                              occurrence(1, 2, 4, 2, 3, "River", "5", "River bank") +
                              occurrence(1, 3, 2, 2, 4, "river", "8", "a river") +
                              occurrence(2, 2, 3, 3, 5, "stone", "4", "stone") +
                              occurrence(2, 3, 6, 3, 6, "stone", "", "cold stone"));
  write_file("in_l_02.txt", index_page_list(3));

  write_index_pages();

  std::string first_nav =
      "<div align = \"center\"><a href = \"in000002.htm\">next</a>&nbsp </div>\r\n";
  EXPECT_EQ(page("in000001.htm"),
            index_page_opening("in000001.htm") + first_nav + "<div><ol start = \"1\" >\r\n" +
                short_item(1, "i0000000001", "river") +
                full_item(1, "i0000000002", "river", " (2. word)) ", "i0000000001", "the river",
                          "the%20river%20site%3A") +
                kPageEnd + first_nav + kClosingLine);

  // The list goes on numbering the word, and its items keep the word's index link.
  std::string middle_nav =
      "<div align = \"center\"><a href = \"in000001.htm\">prev</a>&nbsp <a href = "
      "\"in000003.htm\">next</a>&nbsp </div>\r\n";
  EXPECT_EQ(page("in000002.htm"), index_page_opening("in000002.htm") + middle_nav +
                                      "<div><ol start = \"3\" >\r\n" +
                                      short_item(2, "i0000000003", "River") +
                                      full_item(3, "i0000000004", "river", " (8. word)) ",
                                                "i0000000001", "a river", "a%20river%20site%3A") +
                                      kPageEnd + middle_nav + kClosingLine);

  // An empty running number leaves its words out.
  std::string last_nav =
      "<div align = \"center\"><a href = \"in000002.htm\">prev</a>&nbsp </div>\r\n";
  EXPECT_EQ(page("in000003.htm"), index_page_opening("in000003.htm") + last_nav +
                                      "<div><ol start = \"1\" >\r\n" +
                                      short_item(2, "i0000000005", "stone") +
                                      full_item(3, "i0000000006", "stone", "", "i0000000005",
                                                "cold stone", "cold%20stone%20site%3A") +
                                      kPageEnd + last_nav + kClosingLine);
}

}  // namespace
}  // namespace lexiweb
