#include "shell/file_ops.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

TEST(FileOpsTest, DeleteByPatternTakesOnlyMatchingFilesWithoutRegardToCase) {
  WorkingFolder folder;
  for (const char* name : {"w_3.htm", "W_10.HTM", "xw_3.htm", "notes.txt"}) write_file(name, "x");
  std::filesystem::create_directory("w_dir.d");
  delete_matching("", "W_*.*");
  EXPECT_EQ(matching_files("", "*"), (std::vector<std::string>{"notes.txt", "xw_3.htm"}));
  EXPECT_TRUE(folder_exists("w_dir.d")) << "sub-folders stay";
}

// A journal that says "file(s) copied" tells the reader the copy was made.
TEST(FileOpsTest, CopyJournalCountsOnlyCopiesMade) {
  WorkingFolder folder;
  write_file("a.htm", "bytes\r\n\x01\xff");
  copy_file_with_journal("a.htm", "b.htm", "journal.txt");
  EXPECT_EQ(read_file("b.htm"), "bytes\r\n\x01\xff");
  EXPECT_NE(read_file("journal.txt").find("1 file(s) copied"), std::string::npos);

  copy_file_with_journal("missing.htm", "c.htm", "journal.txt");
  EXPECT_FALSE(file_exists("c.htm"));
  EXPECT_FALSE(read_file("journal.txt").empty());
  EXPECT_EQ(read_file("journal.txt").find("file(s) copied"), std::string::npos);
}

// The run makes htm_in and htm_out only when a listing does not name them:
// a folder whose name merely starts with theirs must not count.
TEST(FileOpsTest, ListingNamesOnlyTheFolderItself) {
  WorkingFolder folder;
  std::filesystem::create_directory("htm_in_old");
  std::filesystem::create_directory("HTM_OUT");
  list_subfolders("dirs.txt");
  list_subfolders_bare("bare.txt");
  for (const char* capture : {"dirs.txt", "bare.txt"}) {
    EXPECT_FALSE(listing_names_folder(capture, "htm_in")) << read_file(capture);
    EXPECT_TRUE(listing_names_folder(capture, "htm_out")) << read_file(capture);
  }
}

}  // namespace
}  // namespace lexiweb
