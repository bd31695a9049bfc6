#include "driver/final_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "common/run_values.h"
#include "shell/file_ops.h"
#include "shell/scratch_catalogue.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_file;

// The promotion block follows every 151st entry, the last one included; the
// list of entries runs on after it.
TEST(AllWordsPage, PromotionBlockFollowsEvery151stWord) {
  testing::WorkingFolder folder;
  make_folder("htm_out");
  g_run.all_words_page_file = "f000013.htm";
  std::string list;
  for (int n = 1; n <= 302; ++n) {
    std::string number = std::to_string(n);
    list += record_line({"in000001", "i" + std::string(10 - number.size(), '0') + number,
                         "w" + std::string(4 - number.size(), '0') + number});
  }
  write_file(kAllWordsFile, list);
  write_all_words_page();
  const std::string page = read_file("htm_out/f000013.htm");

  const std::string block_start = "<br> <b> __________";
  const size_t first = page.find(block_start);
  const size_t second = page.find(block_start, first + 1);
  EXPECT_GT(first, page.find("> w0151</span>"));
  EXPECT_LT(first, page.find("> w0152</span>"));
  EXPECT_GT(second, page.find("> w0302</span>"));
  EXPECT_NE(second, std::string::npos);
  EXPECT_EQ(page.find(block_start, second + 1), std::string::npos);
}

}  // namespace
}  // namespace lexiweb
