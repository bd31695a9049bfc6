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

class WriteIndexPagesTest : public ::testing::Test {
 protected:
  WriteIndexPagesTest() {
    make_folder("htm_out");
    g_run.page_count = 3;
    g_run.page_stems = {"", "page1", "page2", "page3"};
    g_run.all_words_page_file = "f000006.htm";
    g_run.target_site = "www.example.com";
  }

  // The page as written into the working folder, after checking that
  // htm_out holds the same bytes.
  std::string page(const std::string& name) {
    std::string written = read_file(name);
    EXPECT_EQ(read_file("htm_out/" + name), written) << name;
    return written;
  }

  WorkingFolder folder_;
};

TEST_F(WriteIndexPagesTest, OnePageWithTwoWords) {
  write_file("wrd_7.txt", occurrence(1, 1, 5, 1, 1, "Apple", "3", "An Apple") +
                              occurrence(1, 3, 7, 1, 2, "apple", "12", "the red apple") +
                              occurrence(2, 2, 1, 1, 3, "tree", "7", "a tree") +
                              occurrence(2, 2, 40, 1, 4, "tree", "9", "tree & tree"));
  write_file("in_l_02.txt", index_page_list(1));
  write_file("in000001.htm", "an index page of an earlier run, longer than the new one will be");

  write_index_pages();

  EXPECT_EQ(
      page("in000001.htm"),
      index_page_opening("in000001.htm") + kNoLinks +
          "<div><ol start = \"1\" >\r\n"
          "<li ><a href=\"f000001.htm#i0000000001\" ><span  id=\"i0000000001\" > Apple</span> "
          "</a> (page1.htm , f000001.htm)</li>\r\n"
          "<li ><a href=\"f000003.htm#i0000000002\" ><span  id=\"i0000000002\" > apple</span> "
          "</a>&nbsp (page3.htm (12. word)) &nbsp <a href = \"f000006.htm#i0000000001\"> "
          "index</a>&nbsp ... the red apple...,  f000003.htm)&nbsp &nbsp <a "
          "href=\"https://www.google.com/search?q=the%20red%20apple%20site%3Awww.example.com\"> "
          "Google </a></li>\r\n"
          "</ol>\r\n"
          "<ol>\r\n"
          "<li ><a href=\"f000002.htm#i0000000003\" ><span  id=\"i0000000003\" > tree</span> "
          "</a>&nbsp (page2.htm (7. word)) &nbsp <a href = \"f000006.htm#i0000000003\"> "
          "index</a>&nbsp ... a tree...,  f000002.htm)&nbsp &nbsp <a "
          "href=\"https://www.google.com/search?q=a%20tree%20site%3Awww.example.com\"> "
          "Google </a></li>\r\n"
          "<li ><a href=\"f000002.htm#i0000000004\" ><span  id=\"i0000000004\" > tree</span> "
          "</a>&nbsp (page2.htm (9. word)) &nbsp <a href = \"f000006.htm#i0000000003\"> "
          "index</a>&nbsp ... tree & tree...,  f000002.htm)&nbsp &nbsp <a "
          "href=\"https://www.google.com/search?q=tree%20%26%20tree%20site%3Awww.example.com\"> "
          "Google </a></li>\r\n" +
          kPageEnd + kNoLinks + kClosingLine);
}

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
            index_page_opening("in000001.htm") + first_nav +
                "<div><ol start = \"1\" >\r\n"
                "<li ><a href=\"f000001.htm#i0000000001\" ><span  id=\"i0000000001\" > "
                "river</span> </a> (page1.htm , f000001.htm)</li>\r\n"
                "<li ><a href=\"f000001.htm#i0000000002\" ><span  id=\"i0000000002\" > "
                "river</span> </a>&nbsp (page1.htm (2. word)) &nbsp <a href = "
                "\"f000006.htm#i0000000001\"> index</a>&nbsp ... the river...,  "
                "f000001.htm)&nbsp &nbsp <a "
                "href=\"https://www.google.com/search?q=the%20river%20site%3A\"> Google "
                "</a></li>\r\n" +
                kPageEnd + first_nav + kClosingLine);

  std::string middle_nav =
      "<div align = \"center\"><a href = \"in000001.htm\">prev</a>&nbsp <a href = "
      "\"in000003.htm\">next</a>&nbsp </div>\r\n";
  EXPECT_EQ(page("in000002.htm"),
            index_page_opening("in000002.htm") + middle_nav +
                "<div><ol start = \"3\" >\r\n"
                "<li ><a href=\"f000002.htm#i0000000003\" ><span  id=\"i0000000003\" > "
                "River</span> </a> (page2.htm , f000002.htm)</li>\r\n"
                "<li ><a href=\"f000003.htm#i0000000004\" ><span  id=\"i0000000004\" > "
                "river</span> </a>&nbsp (page3.htm (8. word)) &nbsp <a href = "
                "\"f000006.htm#i0000000001\"> index</a>&nbsp ... a river...,  "
                "f000003.htm)&nbsp &nbsp <a "
                "href=\"https://www.google.com/search?q=a%20river%20site%3A\"> Google "
                "</a></li>\r\n" +
                kPageEnd + middle_nav + kClosingLine);

  std::string last_nav =
      "<div align = \"center\"><a href = \"in000002.htm\">prev</a>&nbsp </div>\r\n";
  EXPECT_EQ(page("in000003.htm"),
            index_page_opening("in000003.htm") + last_nav +
                "<div><ol start = \"1\" >\r\n"
                "<li ><a href=\"f000002.htm#i0000000005\" ><span  id=\"i0000000005\" > "
                "stone</span> </a> (page2.htm , f000002.htm)</li>\r\n"
                "<li ><a href=\"f000003.htm#i0000000006\" ><span  id=\"i0000000006\" > "
                "stone</span> </a>&nbsp (page3.htm&nbsp <a href = "
                "\"f000006.htm#i0000000005\"> index</a>&nbsp ... cold stone...,  "
                "f000003.htm)&nbsp &nbsp <a "
                "href=\"https://www.google.com/search?q=cold%20stone%20site%3A\"> Google "
                "</a></li>\r\n" +
                kPageEnd + last_nav + kClosingLine);
}

TEST_F(WriteIndexPagesTest, SearchLinkEncodesTheQueryAndTheContextIsShownAsWritten) {
  g_run.target_site = "ex\"ample.com";
  write_file("wrd_7.txt", occurrence(1, 1, 1, 1, 1, "ask", "1", "ask") +
                              occurrence(1, 2, 1, 1, 2, "ask", "2", "Q&amp;A #1 + 50% ask"));
  write_file("in_l_02.txt", index_page_list(1));

  write_index_pages();

  std::string written = page("in000001.htm");
  EXPECT_NE(written.find("&nbsp ... Q&amp;A #1 + 50% ask...,  f000002.htm)&nbsp &nbsp <a "
                         "href=\"https://www.google.com/search?q="
                         "Q%26A%20%231%20%2B%2050%25%20ask%20site%3Aex%22ample.com\"> Google "
                         "</a></li>\r\n"),
            std::string::npos)
      << written;
}

TEST_F(WriteIndexPagesTest, EmptyDocumentWritesNoPage) {
  write_file("wrd_7.txt", "");
  write_file("in_l_02.txt", "");

  write_index_pages();

  EXPECT_TRUE(matching_files("", "*.htm").empty());
  EXPECT_TRUE(matching_files("htm_out", "*.htm").empty());
}

TEST_F(WriteIndexPagesTest, MissingInputsWriteNoPage) {
  write_index_pages();

  EXPECT_TRUE(matching_files("", "*.htm").empty());
  EXPECT_TRUE(matching_files("htm_out", "*.htm").empty());
}

}  // namespace
}  // namespace lexiweb
