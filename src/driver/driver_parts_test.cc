#include <gtest/gtest.h>

#include <filesystem>

#include "common/run_parameters.h"
#include "driver/input_conversion.h"
#include "driver/scratch_files.h"
#include "shell/file_ops.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

TEST(ScratchFilesTest, OnlyTheRunsOwnFilesCount) {
  for (const char* name : {"wrd_2.txt", "HTM_SPANS.TXT", "tag_4.txt", "wrd_7.txt", "w_1.htm",
                           "W_12.HTM", "f_2026_12_05_09_07_25.txt", "f_04.txt", "sort_run_3.txt",
                           "check_02.txt", "out_zurnal.txt"}) {
    EXPECT_TRUE(is_scratch_file(name)) << name;
  }
  for (const char* name :
       {"notes.txt", "index.htm", "w_notes.txt", "tag_mine.txt", "f_notes.txt", "f000001.htm",
        "in000013.htm", "out_null.list", "htm_in_02.list", "report.pdf", "wrd_10_.txt"}) {
    EXPECT_FALSE(is_scratch_file(name)) << name;
  }
}

TEST(ScratchFilesTest, DeletesScratchFilesAndKeepsTheUsers) {
  WorkingFolder folder;
  for (const char* name : {"wrd_2.txt", "w_3.htm", "f000002.htm", "notes.txt", "index.htm",
                           "out_null.list", "f_2025_01_01_00_00_00.txt"}) {
    write_file(name, "x");
  }
  delete_scratch_files();
  // The site's pages are written in htm_out only: a page of that name in the
  // working folder is the user's.
  EXPECT_EQ(matching_files("", "*"),
            (std::vector<std::string>{"f000002.htm", "index.htm", "notes.txt", "out_null.list"}));
}

TEST(PageIndexTest, EntriesComeFromTheFirstPageLink) {
  EXPECT_EQ(page_entry_of_index_line("<a href=\"page12.html\">page12</a><br>"), "page12.htm");
  EXPECT_EQ(page_entry_of_index_line("<a href=\"page1.html\">x</a> <a href=\"page2.html\">y</a>"),
            "page1.htm");
  EXPECT_EQ(page_entry_of_index_line("<title>index</title>"), "");
  EXPECT_EQ(page_entry_of_index_line("page without dot htm"), "");
}

TEST(MagnificationTest, ZeroValuedAnswersFallBackToTheDefault) {
  EXPECT_EQ(magnification_for_answer("2"), "2");
  EXPECT_EQ(magnification_for_answer("1.75"), "1.75");
  EXPECT_EQ(magnification_for_answer("abc"), "1.5");
  EXPECT_EQ(magnification_for_answer(""), "1.5");
  EXPECT_EQ(magnification_for_answer(" 0.0 "), "1.5");
}

}  // namespace
}  // namespace lexiweb
