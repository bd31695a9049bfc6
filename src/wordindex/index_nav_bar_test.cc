#include "wordindex/index_nav_bar.h"

#include <gtest/gtest.h>

#include "shell/record_reader.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::record_line;
using testing::WorkingFolder;
using testing::write_file;

class IndexNavBarTest : public ::testing::Test {
 protected:
  void write_page_list(int pages) {
    std::string list;
    for (int page = 1; page <= pages; ++page) {
      std::string number = std::to_string(page);
      list += record_line({std::string(10 - number.size(), ' ') + number,
                           "in" + std::string(6 - number.size(), '0') + number});
    }
    write_file("in_l_02.txt", list);
    page_list_.open("in_l_02.txt");
  }

  WorkingFolder folder_;
  RecordReader page_list_;
};

TEST_F(IndexNavBarTest, OnlyPageHasNoLinks) {
  write_page_list(1);
  EXPECT_EQ(index_nav_bar("in000001.htm", page_list_), "<div align = \"center\"></div>");
}

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
