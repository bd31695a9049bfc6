#include "shell/external_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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

// "_" (95) sorts after "Z" (90) only when letters fold to upper case.
TEST(SortLinesTest, LettersFoldToUpperCaseAndEqualKeysKeepInputOrder) {
  WorkingFolder folder;
  write_file("in.txt", crlf_lines({"1|cat", "2|Bee", "3|_", "4|bee", "5|Z", "6|ant"}));
  sort_lines("in.txt", "out.txt", 3);
  EXPECT_EQ(read_file("out.txt"), crlf_lines({"6|ant", "2|Bee", "4|bee", "1|cat", "5|Z", "3|_"}));
}

TEST(SortLinesTest, InputOverTheBudgetIsMergedFromRunsKeepingInputOrderOfEqualKeys) {
  WorkingFolder folder;
  std::vector<std::string> lines;
  for (int i = 0; i < 20000; ++i) lines.push_back(std::to_string(100000 + i) + "|" + "aBc"[i % 3]);
  write_file("in.txt", crlf_lines(lines));
  // 4 KiB runs: dozens of them, more than one merge round takes.
  sort_lines("in.txt", "out.txt", 8, 4 << 10);
  std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    return std::toupper(a[7]) < std::toupper(b[7]);
  });
  EXPECT_EQ(read_file("out.txt"), crlf_lines(lines));
  EXPECT_TRUE(matching_files("", "sort_run_*").empty()) << "run files are removed";
}

TEST(ExternalSortTest, KeyColumnComesFromTheFieldsOfTheFirstRecord) {
  WorkingFolder folder;
  write_file("tag_1.txt",
             "\"   60\",\"         2\",\"         1\",\"<\"\r\n"
             "\"   62\",\"         1\",\"        12\",\">\"\r\n");
  external_sort("tag_1.txt", "tag_2.txt", 4, 2);
  EXPECT_EQ(read_file("tag_2.txt"),
            "\"   62\",\"         1\",\"        12\",\">\"\r\n"
            "\"   60\",\"         2\",\"         1\",\"<\"\r\n");
  EXPECT_EQ(g_run.sort_fields[4], "<");
}

// A line of 4000 characters passes whole; a longer one is cut, in the input too.
TEST(ExternalSortTest, LinesOver4000CharactersAreCutInTheInputToo) {
  WorkingFolder folder;
  const std::string exact(4000, 'b');
  const std::string over = std::string(4000, 'c') + "d";
  write_file("in.txt", crlf_lines({over, "a", exact}));
  external_sort("in.txt", "out.txt", 1, 1);
  const std::string cut = over.substr(0, 4000);
  EXPECT_EQ(read_file("out.txt"), crlf_lines({"a", exact, cut}));
  EXPECT_EQ(read_file("in.txt"), crlf_lines({cut, "a", exact}));
}

}  // namespace
}  // namespace lexiweb
