#include "shell/external_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "common/run_values.h"
#include "shell/file_ops.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

std::string crlf_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TEST(SortLinesTest, KeyRunsFromItsColumnFoldsLettersAndKeepsInputOrderOfEqualKeys) {
  WorkingFolder folder;
  write_file("in.txt", crlf_lines({"1|cat", "2|Bee", "3|ant", "4|_", "5|Z", "6|bee", "7|CAT", "8|",
                                   "9|Bee"}));
  sort_lines("in.txt", "out.txt", 3);
  // Letters fold to upper case, so "_" (95) sorts after "Z" (90); lines that
  // differ only in case keep their input order; a line too short for the key
  // has an empty one.
  EXPECT_EQ(read_file("out.txt"),
            crlf_lines({"8|", "3|ant", "2|Bee", "6|bee", "9|Bee", "1|cat", "7|CAT", "5|Z", "4|_"}));
}

TEST(SortLinesTest, InputLargerThanTheBudgetIsMergedFromRuns) {
  WorkingFolder folder;
  std::mt19937 random(7);
  std::vector<std::string> lines;
  for (int i = 0; i < 60000; ++i) {
    lines.push_back("k" + std::to_string(random() % 97) + "|" + std::to_string(i));
  }
  write_file("in.txt", crlf_lines(lines));
  // 16 KiB runs: about 50 runs, more than one merge round takes.
  sort_lines("in.txt", "out.txt", 1, 16 << 10);
  std::vector<std::string> expected = lines;
  std::sort(expected.begin(), expected.end());  // no lower-case letters after the first
  EXPECT_EQ(read_file("out.txt"), crlf_lines(expected));
  EXPECT_TRUE(matching_files("", "sort_run_*").empty()) << "run files are removed";
}

TEST(SortLinesTest, EqualKeysKeepInputOrderAcrossRuns) {
  WorkingFolder folder;
  std::vector<std::string> lines;
  for (int i = 0; i < 20000; ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "%06d|%d", i, (i * 7) % 3);
    lines.push_back(line);
  }
  write_file("in.txt", crlf_lines(lines));
  // The key is the last character only: thousands of lines share each key.
  sort_lines("in.txt", "out.txt", 8, 8 << 10);
  std::vector<std::string> expected = lines;
  std::stable_sort(expected.begin(), expected.end(),
                   [](const std::string& a, const std::string& b) { return a[7] < b[7]; });
  EXPECT_EQ(read_file("out.txt"), crlf_lines(expected));
}

TEST(SortLinesTest, EmptyAndMissingInputsGiveAnEmptyOutput) {
  WorkingFolder folder;
  write_file("empty.txt", "");
  write_file("out.txt", "stale\r\n");
  sort_lines("empty.txt", "out.txt", 1);
  EXPECT_EQ(read_file("out.txt"), "");
  write_file("out2.txt", "stale\r\n");
  sort_lines("missing.txt", "out2.txt", 5);
  EXPECT_EQ(read_file("out2.txt"), "");
}

TEST(ExternalSortTest, KeyColumnComesFromTheFieldsOfTheFirstRecord) {
  WorkingFolder folder;
  write_file("tag_1.txt",
             "\"   60\",\"         2\",\"         1\",\"<\"\r\n"
             "\"   60\",\"         1\",\"         9\",\"<\"\r\n"
             "\"   62\",\"         1\",\"        12\",\">\"\r\n");
  g_run.sort_input = "tag_1.txt";
  g_run.sort_output = "tag_2.txt";
  g_run.sort_field_count = 4;
  g_run.sort_key_field = 2;
  external_sort();
  EXPECT_EQ(read_file("tag_2.txt"),
            "\"   60\",\"         1\",\"         9\",\"<\"\r\n"
            "\"   62\",\"         1\",\"        12\",\">\"\r\n"
            "\"   60\",\"         2\",\"         1\",\"<\"\r\n");
  EXPECT_EQ(g_run.sort_fields[1], "   60");
  EXPECT_EQ(g_run.sort_fields[4], "<");
}

TEST(ExternalSortTest, LinesOver4000CharactersAreCutInTheInputToo) {
  WorkingFolder folder;
  std::string exact(4000, 'b');
  write_file("in.txt", crlf_lines({exact, "a"}));
  g_run.sort_input = "in.txt";
  g_run.sort_output = "out.txt";
  g_run.sort_field_count = 1;
  g_run.sort_key_field = 1;
  external_sort();
  EXPECT_EQ(read_file("out.txt"), crlf_lines({"a", exact}));
  EXPECT_FALSE(file_exists("f_04.txt")) << "4000 characters need no cut";

  std::string over = std::string(4000, 'c') + "d";
  write_file("in.txt", crlf_lines({over, "a", exact}));
  external_sort();
  std::string cut = over.substr(0, 4000);
  EXPECT_EQ(read_file("out.txt"), crlf_lines({"a", exact, cut}));
  EXPECT_EQ(read_file("in.txt"), crlf_lines({cut, "a", exact}));
}

}  // namespace
}  // namespace lexiweb
