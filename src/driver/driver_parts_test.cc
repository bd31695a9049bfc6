#include <gtest/gtest.h>

#include <filesystem>

#include "common/run_parameters.h"
#include "driver/input_conversion.h"
#include "driver/page_staging.h"
#include "driver/scratch_files.h"
#include "shell/file_ops.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

TEST(ScratchFilesTest, OnlyTheRunsOwnFilesCount) {
  for (const char* name :
       {"htm.txt", "HTMS.TXT", "tag_control.txt", "wrd_08.txt", "w_1.htm", "W_12.HTM",
        "htm_03_7.txt", "wrd_10_12.txt", "f000001.htm", "in000013.htm", "f_2026_12_05_09_07_25.txt",
        "f_04.txt", "sort_run_3.txt", "check_02.txt", "out_zurnal.txt"}) {
    EXPECT_TRUE(is_scratch_file(name)) << name;
  }
  for (const char* name :
       {"notes.txt", "index.htm", "w_notes.txt", "tag_mine.txt", "f_notes.txt", "f12345.htm",
        "in0000001.htm", "out_null.list", "htm_in_02.list", "report.pdf", "wrd_10_.txt"}) {
    EXPECT_FALSE(is_scratch_file(name)) << name;
  }
}

TEST(ScratchFilesTest, DeletesScratchFilesAndKeepsTheUsers) {
  WorkingFolder folder;
  for (const char* name : {"htm.txt", "w_3.htm", "f000002.htm", "notes.txt", "index.htm",
                           "out_null.list", "f_2025_01_01_00_00_00.txt"}) {
    write_file(name, "x");
  }
  delete_scratch_files();
  EXPECT_EQ(matching_files("", "*"),
            (std::vector<std::string>{"index.htm", "notes.txt", "out_null.list"}));
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

TEST(CharacterListTest, EveryByteBecomesARecord) {
  WorkingFolder folder;
  write_file("w_1.htm", std::string("A\"B\r\n", 5));
  write_file("w_2.htm", std::string("<\0\xc3\xa9", 4));
  write_character_list(2, "htm.txt");
  EXPECT_EQ(read_file("htm.txt"),
            "\"   65\",\"         1\",\"         1\",\"A\"\r\n"
            "\"   34\",\"         1\",\"         2\",\"34\"\r\n"
            "\"   66\",\"         1\",\"         3\",\"B\"\r\n"
            "\"   13\",\"         1\",\"         4\",\"13\"\r\n"
            "\"   10\",\"         1\",\"         5\",\"10\"\r\n"
            "\"   60\",\"         2\",\"         1\",\"<\"\r\n"
            "\"  195\",\"         2\",\"         2\",\"\xc3\"\r\n"
            "\"  169\",\"         2\",\"         3\",\"\xa9\"\r\n");
}

TEST(CharacterListTest, TenthPageAndLongPagesKeepTheirColumns) {
  WorkingFolder folder;
  for (int page = 1; page <= 10; ++page) write_file("w_" + std::to_string(page) + ".htm", "");
  write_file("w_10.htm", std::string(1000, 'x'));
  write_character_list(10, "htm.txt");
  std::string list = read_file("htm.txt");
  EXPECT_EQ(list.substr(0, 39), "\"  120\",\"        10\",\"         1\",\"x\"\r\n");
  EXPECT_EQ(list.substr(list.size() - 39), "\"  120\",\"        10\",\"      1000\",\"x\"\r\n");
}

}  // namespace
}  // namespace lexiweb
