#include "scan/page_lists.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_file;

std::string occurrence(long page, const std::string& index_stem) {
  return record_line({"       1", right_aligned(page, 10), right_aligned(1, 10), index_stem,
                      "i0000000001", "word", "1", "word "});
}

TEST(IndexPageList, TheNumberStartsAtTheFirstDigitAfterTheLeadingZeros) {
  testing::WorkingFolder folder;
  write_file("wrd_5.txt",
             occurrence(1, "in000010") + occurrence(1, "in000001") + occurrence(2, "in000100"));

  write_index_page_list();

  EXPECT_EQ(read_file("in_list.txt"), record_line({right_aligned(10, 10), "in000010"}) +
                                          record_line({right_aligned(1, 10), "in000001"}) +
                                          record_line({right_aligned(100, 10), "in000100"}));
}

}  // namespace
}  // namespace lexiweb
