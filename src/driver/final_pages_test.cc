#include "driver/final_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "common/run_values.h"
#include "shell/file_ops.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_file;

// The all-words page of `count` distinct words w0001, w0002, ...
std::string all_words_page(int count) {
  std::string list;
  for (int n = 1; n <= count; ++n) {
    std::string number = std::to_string(n);
    list += record_line({"in000001", "i" + std::string(10 - number.size(), '0') + number,
                         "w" + std::string(4 - number.size(), '0') + number});
  }
  write_file("wrd_12.txt", list);
  write_all_words_page();
  return read_file("htm_out/f000013.htm");
}

// The promotion block follows every 151st entry, the last one included; the
// list of entries runs on after it.
TEST(AllWordsPage, PromotionBlockFollowsEvery151stWord) {
  testing::WorkingFolder folder;
  make_folder("htm_out");
  g_run.all_words_page_file = "f000013.htm";
  const std::string block_start = "<br> <b> __________";

  std::string page = all_words_page(150);
  EXPECT_EQ(page.find(block_start), std::string::npos);

  page = all_words_page(151);
  size_t block = page.find(block_start);
  ASSERT_NE(block, std::string::npos);
  EXPECT_GT(block, page.find("> w0151</span>"));
  EXPECT_EQ(page.find(block_start, block + 1), std::string::npos);

  page = all_words_page(302);
  block = page.find(block_start);
  EXPECT_GT(block, page.find("> w0151</span>"));
  EXPECT_LT(block, page.find("> w0152</span>"));
  const size_t second = page.find(block_start, block + 1);
  EXPECT_GT(second, page.find("> w0302</span>"));
  EXPECT_NE(second, std::string::npos);
}

}  // namespace
}  // namespace lexiweb
