#include "scan/tag_separation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lexiweb {
namespace {

struct Delimiter {
  char kind;
  long page;
  long position;
};

// The tags the pair filter finds, as "page:open-close".
std::vector<std::string> tags_of(const std::vector<Delimiter>& delimiters) {
  DelimiterPairs pairs;
  std::vector<std::string> tags;
  for (const Delimiter& d : delimiters) {
    if (pairs.take(d.kind, d.page, d.position)) {
      tags.push_back(std::to_string(d.page) + ":" + std::to_string(pairs.open_position()) + "-" +
                     std::to_string(d.position));
    }
  }
  return tags;
}

// Pairs are taken two at a time over the whole document: a failed pair costs
// the delimiter after it, and a "<" left at the end of a page fails with the
// first delimiter of the next page.
TEST(DelimiterPairs, AFailedPairCostsTheNextDelimiterAcrossPages) {
  EXPECT_EQ(tags_of({{'<', 1, 1}, {'>', 1, 3}, {'>', 1, 5}, {'<', 1, 7}, {'>', 1, 9}}),
            (std::vector<std::string>{"1:1-3"}));
  EXPECT_EQ(tags_of({{'<', 1, 1},
                     {'>', 1, 4},
                     {'<', 1, 9},
                     {'<', 2, 1},
                     {'>', 2, 2},
                     {'<', 2, 5},
                     {'>', 2, 8}}),
            (std::vector<std::string>{"1:1-4", "2:5-8"}));
}

TEST(TagText, QuotesBecomeBlanksLineBreaksCountButAreLeftOut) {
  std::string text;
  append_tag_text("a href=\"x'\"\r\ny", &text);
  EXPECT_EQ(text, "a href= x  y");
  text.clear();
  append_tag_text("\n" + std::string(70, 'z'), &text);
  EXPECT_EQ(text, std::string(58, 'z'));
}

}  // namespace
}  // namespace lexiweb
