#include "wordindex/index_page_head.h"

#include <gtest/gtest.h>

#include "common/run_values.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "wordindex/index_test_pages.h"

namespace lexiweb {
namespace {

using testing::index_page_list;
using testing::index_page_opening;
using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

TEST(IndexPageHead, PageOpeningInsideAWordContinuesItsNumbering) {
  WorkingFolder folder;
  g_run.page_stems = {"", "page1", "page2", "page3"};
  write_file("in_l_02.txt", index_page_list(2));
  RecordReader page_list("in_l_02.txt");
  {
    RecordWriter out("in000002.htm");
    write_index_page_head("in000002.htm", out, page_list, "         3", "f000003", "i0000000412",
                          "Water", 37);
  }
  EXPECT_EQ(read_file("in000002.htm"),
            index_page_opening("in000002.htm") +
                "<div align = \"center\"><a href = \"in000001.htm\">prev</a>&nbsp </div>\r\n"
                "<div><ol start = \"37\" >\r\n"
                "<li ><a href=\"f000003.htm#i0000000412\" ><span  id=\"i0000000412\" > "
                "Water</span> </a> (page3.htm , f000003.htm)</li>\r\n");
}

}  // namespace
}  // namespace lexiweb
