#include "driver/scratch_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/file_ops.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

// The clean-up may take the run's own files only: the user's files in the
// working folder, however alike their names, must stay. The site's pages are
// written in htm_out only, so pages of their names here are the user's too.
TEST(ScratchFilesTest, DeletesTheRunsOwnFilesOnly) {
  testing::WorkingFolder folder;
  const std::vector<std::string> users = {
      "f000001.htm",  "f12345.htm",  "f_notes.txt", "htm_in_02.list", "in0000001.htm",
      "in000013.htm", "index.htm",   "notes.txt",   "out_null.list",  "report.pdf",
      "tag_mine.txt", "w_notes.txt", "wrd_10_.txt"};
  for (const std::string& name : users) testing::write_file(name, "x");
  for (const char* name : {"wrd_2.txt", "HTM_SPANS.TXT", "tag_4.txt", "w_1.htm", "W_12.HTM",
                           "f_2026_12_05_09_07_25.txt", "f_04.txt", "sort_run_3.txt",
                           "check_02.txt", "out_zurnal.txt"}) {
    testing::write_file(name, "x");
  }
  delete_scratch_files();
  EXPECT_EQ(matching_files("", "*"), users);
}

}  // namespace
}  // namespace lexiweb
