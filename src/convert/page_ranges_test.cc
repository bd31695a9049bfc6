#include "convert/page_ranges.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

std::string listed(const std::vector<PageRange>& ranges) {
  std::string text;
  for (PageRange range : ranges) {
    text += std::to_string(range.first) + "-" + std::to_string(range.last) + " ";
  }
  return text;
}

TEST(PageRanges, ShrinkWithThePagesLeftDownToTheSmallest) {
  EXPECT_EQ(listed(page_ranges(261, 2, 8)),
            "1-66 67-115 116-152 153-180 181-201 202-216 217-228 229-237 238-245 246-253 "
            "254-261 ");
  EXPECT_EQ(listed(page_ranges(5, 4, 8)), "1-5 ");
  EXPECT_EQ(listed(page_ranges(0, 2, 8)), "");
}

// Overlapping ranges would convert pages twice without changing the result.
TEST(PageRanges, EveryPageOnceInOrder) {
  for (int pages = 1; pages <= 200; ++pages) {
    for (int processes = 1; processes <= 5; ++processes) {
      for (int smallest = 1; smallest <= 9; smallest += 4) {
        std::vector<PageRange> ranges = page_ranges(pages, processes, smallest);
        int next = 1;
        for (PageRange range : ranges) {
          ASSERT_EQ(range.first, next) << pages << " " << processes << " " << smallest;
          ASSERT_GE(range.last - range.first + 1, std::min(smallest, pages - next + 1));
          next = range.last + 1;
        }
        ASSERT_EQ(next, pages + 1) << pages << " " << processes << " " << smallest;
      }
    }
  }
}

}  // namespace
}  // namespace lexiweb
