#include "convert/page_ranges.h"

#include <algorithm>

namespace lexiweb {

std::vector<PageRange> page_ranges(int page_count, int processes, int smallest) {
  const int share = 2 * std::max(processes, 1);
  std::vector<PageRange> ranges;
  for (int first = 1; first <= page_count;) {
    const int left = page_count - first + 1;
    const int size = std::min(left, std::max({smallest, 1, (left + share - 1) / share}));
    ranges.push_back({first, first + size - 1});
    first += size;
  }
  return ranges;
}

}  // namespace lexiweb
