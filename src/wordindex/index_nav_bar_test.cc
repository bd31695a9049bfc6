#include "wordindex/index_nav_bar.h"

#include <gtest/gtest.h>

#include "shell/record_reader.h"
#include "wordindex/index_test_pages.h"

namespace lexiweb {
namespace {

using testing::index_page_list;
using testing::WorkingFolder;
using testing::write_file;

class IndexNavBarTest : public ::testing::Test {
 protected:
  void write_page_list(int pages) {
    write_file("in_l_02.txt", index_page_list(pages));
    page_list_.open("in_l_02.txt");
  }

  WorkingFolder folder_;
  RecordReader page_list_;
};

TEST_F(IndexNavBarTest, FirstMiddleAndLastPages) {
  write_page_list(4);
  EXPECT_EQ(index_nav_bar("in000001.htm", page_list_),
            "<div align = \"center\"><a href = \"in000002.htm\">next</a>&nbsp </div>");
  EXPECT_EQ(index_nav_bar("in000003.htm", page_list_),
            "<div align = \"center\"><a href = \"in000002.htm\">prev</a>&nbsp "
            "<a href = \"in000004.htm\">next</a>&nbsp </div>");
  // Asked again after the list was read to its end: it is read from its start.
  EXPECT_EQ(index_nav_bar("in000004.htm", page_list_),
            "<div align = \"center\"><a href = \"in000003.htm\">prev</a>&nbsp </div>");
}

TEST_F(IndexNavBarTest, PageMissingFromTheListGetsNoLinks) {
  write_page_list(3);
  EXPECT_EQ(index_nav_bar("in000009.htm", page_list_), "<div align = \"center\"></div>");
  // The name is compared exactly, ending included.
  EXPECT_EQ(index_nav_bar("IN000002.htm", page_list_), "<div align = \"center\"></div>");
  EXPECT_EQ(index_nav_bar("in000002.html", page_list_), "<div align = \"center\"></div>");
}

TEST_F(IndexNavBarTest, EmptyListGivesNoLinks) {
  write_page_list(0);
  EXPECT_EQ(index_nav_bar("in000001.htm", page_list_), "<div align = \"center\"></div>");
}

}  // namespace
}  // namespace lexiweb
