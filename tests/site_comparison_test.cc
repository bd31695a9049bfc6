// Whole-site comparisons: lexiweb-pages builds the site of each case under
// tests/data/sites (a page set made from a fixed seed by tools/page_set.h,
// or converted pages stored there), and everything it writes must equal, byte
// for byte, what was stored for it: the console lines, the files
// left in the working folder and every file of htm_out. The expected data is
// written by tools/store_expected_sites. The sites are made under the byte
// word rule (LEXIWEB_WORDS=bytes), which keeps them as the first version of
// the program made them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "testing/program_run.h"
#include "testing/working_folder.h"
#include "tools/page_set.h"

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kSites = LEXIWEB_SITES_DATA;

std::vector<std::string> case_names() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kSites)) {
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The files under `folder` as sorted relative paths, leaving out the
// subfolders named in `skipped`.
std::vector<std::string> files_under(const fs::path& folder,
                                     const std::vector<std::string>& skipped = {}) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = entry.path().lexically_relative(folder);
    const std::string top = relative.begin()->string();
    if (std::find(skipped.begin(), skipped.end(), top) != skipped.end()) continue;
    names.push_back(relative.generic_string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string joined_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// Empty when the two are equal; else where they part.
std::string first_difference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return "";
  const size_t common = std::min(expected.size(), actual.size());
  size_t offset = std::mismatch(expected.begin(), expected.begin() + common, actual.begin()).first -
                  expected.begin();
  return "differs at byte " + std::to_string(offset) + " (expected " +
         std::to_string(expected.size()) + " bytes, got " + std::to_string(actual.size()) + ")";
}

class SiteComparisonTest : public ::testing::TestWithParam<std::string> {};

TEST_P(SiteComparisonTest, BuildsTheExpectedSite) {
  const fs::path expected = kSites / GetParam();
  WorkingFolder folder;
  const fs::path work = folder.path() / "work";
  if (fs::exists(expected / "seed")) {
    tools::write_page_set(tools::make_page_set(std::stoull(read_file(expected / "seed"))), work);
  } else {
    fs::create_directories(work);
    fs::copy(expected / "htm_in", work / "htm_in", fs::copy_options::recursive);
  }
  // An earlier site goes, its word list too.
  fs::create_directories(work / "htm_out" / "words");
  write_file(work / "htm_out" / "f999999.htm", "old page");
  write_file(work / "htm_out" / "words" / "p999.js", "old part of the word list");
  std::vector<std::string> arguments = {work.string()};
  if (fs::exists(expected / "site")) arguments.push_back(read_file(expected / "site"));

  // The stored sites were cut into words by the byte rule.
  ProgramSetup setup;
  setup.arguments = arguments;
  setup.environment = {"LEXIWEB_WORDS=bytes"};
  const ProgramRun run =
      finish_program_run(start_program_run(LEXIWEB_PAGES_BINARY, folder.path(), "", setup));
  ASSERT_EQ(run.exit_status, 0) << run.errors;

  EXPECT_EQ(run.output, read_file(expected / "stdout"));
  EXPECT_EQ(joined_lines(files_under(work, {"htm_in", "htm_out"})),
            read_file(expected / "files_left"));
  const std::vector<std::string> pages = files_under(expected / "htm_out");
  ASSERT_EQ(joined_lines(files_under(work / "htm_out")), joined_lines(pages));
  for (const std::string& page : pages) {
    EXPECT_EQ(first_difference(read_file(expected / "htm_out" / page),
                               read_file(work / "htm_out" / page)),
              "")
        << "htm_out/" << page;
  }
}

INSTANTIATE_TEST_SUITE_P(Sites, SiteComparisonTest, ::testing::ValuesIn(case_names()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

}  // namespace
}  // namespace lexiweb::testing
