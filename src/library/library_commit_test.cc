#include "library/library_commit.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "testing/working_folder.h"

namespace lexiweb {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::write_file;

ino_t inode_of(const std::string& path) {
  struct stat facts {};
  stat(path.c_str(), &facts);
  return facts.st_ino;
}

// Only what changed is put in place: an unchanged page keeps its file (a
// web host's caches and a mirror's copy see no change), a page no longer
// made goes, and the user's own files beside the pages stay.
TEST(LibraryCommit, ReplacesOnlyChangedPagesAndRemovesStaleOnes) {
  testing::WorkingFolder folder;
  fs::create_directories("library/words");
  fs::create_directories("fresh/words");
  fs::create_directories("fresh/search");
  write_file("library/index.html", "front");
  write_file("library/words/61.html", "same");
  write_file("library/words/62.html", "old");
  write_file("library/words/63.html", "stale");
  write_file("library/notes.txt", "the user's");
  write_file("fresh/index.html", "front");
  write_file("fresh/words/61.html", "same");
  write_file("fresh/words/62.html", "new");
  write_file("fresh/search/61.js", "words");
  const ino_t unchanged = inode_of("library/words/61.html");

  const CommitCount count = commit_pages("fresh", "library");
  EXPECT_EQ(count.changed, 2);
  EXPECT_EQ(count.bytes, 8u);
  EXPECT_EQ(count.removed, 1);
  EXPECT_EQ(inode_of("library/words/61.html"), unchanged);
  EXPECT_EQ(read_file("library/words/62.html"), "new");
  EXPECT_EQ(read_file("library/search/61.js"), "words");
  EXPECT_FALSE(fs::exists("library/words/63.html"));
  EXPECT_EQ(read_file("library/notes.txt"), "the user's");
}

}  // namespace
}  // namespace lexiweb
