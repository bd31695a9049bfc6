#include "shell/file_ops.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

TEST(FileOpsTest, PatternsMatchWithoutRegardToCase) {
  EXPECT_TRUE(matches_pattern("w_3.htm", "W_*.*"));
  EXPECT_TRUE(matches_pattern("CHECK_01.TXT", "check_*.txt"));
  EXPECT_TRUE(matches_pattern("a.b.c", "*.c"));
  EXPECT_TRUE(matches_pattern("page1.png", "*.png"));
  EXPECT_FALSE(matches_pattern("page1.png.txt", "*.png"));
  EXPECT_FALSE(matches_pattern("xw_3.htm", "W_*.*"));
  EXPECT_TRUE(matches_pattern("ab", "a?"));
  EXPECT_FALSE(matches_pattern("a", "a?"));
}

TEST(FileOpsTest, DeleteByPatternTakesMatchingFilesOnly) {
  WorkingFolder folder;
  write_file("w_3.htm", "x");
  write_file("W_10.HTM", "x");
  write_file("notes.txt", "keep");
  std::filesystem::create_directory("w_dir.d");
  delete_matching("", "W_*.*");
  EXPECT_FALSE(file_exists("w_3.htm"));
  EXPECT_FALSE(file_exists("W_10.HTM"));
  EXPECT_TRUE(file_exists("notes.txt"));
  EXPECT_TRUE(folder_exists("w_dir.d")) << "sub-folders stay";
  delete_matching("", "nothing_*.txt");  // no match is no error
}

TEST(FileOpsTest, CopyJournalCountsOnlyCopiesMade) {
  WorkingFolder folder;
  write_file("a.htm", "bytes\r\n\x01\xff");
  copy_file_with_journal("a.htm", "b.htm", "journal.txt");
  EXPECT_EQ(read_file("b.htm"), "bytes\r\n\x01\xff");
  EXPECT_NE(read_file("journal.txt").find("1 file(s) copied"), std::string::npos);

  copy_file_with_journal("missing.htm", "c.htm", "journal.txt");
  EXPECT_FALSE(file_exists("c.htm"));
  std::string journal = read_file("journal.txt");
  EXPECT_FALSE(journal.empty());
  EXPECT_EQ(journal.find("file(s) copied"), std::string::npos);
}

TEST(FileOpsTest, CapturesSatisfyTheirReaders) {
  WorkingFolder folder;
  std::filesystem::create_directory("pdf_in");
  std::filesystem::create_directory("htm_out");
  write_file("loose.txt", "x");
  list_subfolders("dirs.txt");
  EXPECT_GE(count_nonblank_lines("dirs.txt"), 2);
  std::string dirs = read_file("dirs.txt");
  EXPECT_NE(dirs.find("pdf_in"), std::string::npos);
  EXPECT_NE(dirs.find("htm_out"), std::string::npos);
  EXPECT_EQ(dirs.find("loose.txt"), std::string::npos);

  EXPECT_TRUE(listing_names_folder("dirs.txt", "htm_out"));
  std::filesystem::create_directory("htm_in_old");
  list_subfolders("dirs.txt");
  EXPECT_FALSE(listing_names_folder("dirs.txt", "htm_in")) << "a longer name is another folder";
  list_subfolders_bare("bare_dirs.txt");
  EXPECT_EQ(read_file("bare_dirs.txt"), "htm_in_old\r\nhtm_out\r\npdf_in\r\n");
  EXPECT_TRUE(listing_names_folder("bare_dirs.txt", "HTM_OUT"));

  find_lines("PDF_IN", "dirs.txt", "found.txt");
  EXPECT_EQ(count_nonblank_lines("found.txt"), 2) << read_file("found.txt");
  find_lines("nowhere", "dirs.txt", "found.txt");
  EXPECT_EQ(count_nonblank_lines("found.txt"), 1);

  write_file("pdf_in/Doc One.pdf", "%PDF");
  write_file("pdf_in/other.txt", "x");
  list_bare("pdf_in", "*.pdf", "bare.txt");
  EXPECT_EQ(read_file("bare.txt"), "Doc One.pdf\r\n");

  write_file("blank.txt", "   \r\n\r\n  x\r\n");
  EXPECT_EQ(count_nonblank_lines("blank.txt"), 1);
  EXPECT_EQ(count_nonblank_lines("missing.txt"), 0);
}

TEST(FileOpsTest, RenamesEndingsAndCopiesByPattern) {
  WorkingFolder folder;
  std::filesystem::create_directory("in");
  std::filesystem::create_directory("out");
  write_file("in/index.html", "i");
  write_file("in/page1.html", "p");
  write_file("in/page1.png", "png");
  rename_endings("in", ".html", ".htm");
  EXPECT_TRUE(file_exists("in/index.htm"));
  EXPECT_TRUE(file_exists("in/page1.htm"));
  EXPECT_FALSE(file_exists("in/page1.html"));
  copy_matching("in", "*.png", "out");
  EXPECT_EQ(read_file("out/page1.png"), "png");
  EXPECT_FALSE(file_exists("out/page1.htm"));
}

}  // namespace
}  // namespace lexiweb
