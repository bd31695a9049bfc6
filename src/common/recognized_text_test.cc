#include "common/recognized_text.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

RecognizedPage two_blocks() {
  RecognizedPage page{2550, 3300, {}};
  page.lines.push_back(
      {true,
       true,
       {300, 290, 1210, 340},
       332,
       {{{300, 290, 520, 332}, 96, "Rivers"}, {{545, 295, 800, 340}, 91, "carry"}}});
  page.lines.push_back({false, false, {300, 360, 700, 410}, 400, {{{300, 360, 700, 410}, 7, "~"}}});
  page.lines.push_back(
      {true, true, {1400, 290, 2100, 345}, 333, {{{1400, 290, 2100, 345}, 88, "Grüße"}}});
  return page;
}

TEST(RecognizedText, WritesTheFormTheConverterReadsAndReadsItBack) {
  const std::string bytes = format_recognized_page(two_blocks());
  EXPECT_EQ(bytes,
            "i 2550 3300\r\n"
            "b\r\np\r\nl 300 290 1210 340 332\r\n"
            "w 300 290 520 332 96 Rivers\r\nw 545 295 800 340 91 carry\r\n"
            "l 300 360 700 410 400\r\nw 300 360 700 410 7 ~\r\n"
            "b\r\np\r\nl 1400 290 2100 345 333\r\nw 1400 290 2100 345 88 Grüße\r\n"
            "e\r\n");
  RecognizedPage page;
  ASSERT_TRUE(parse_recognized_page(bytes, &page));
  EXPECT_EQ(page, two_blocks());

  // A page without words, and a line end without its CR.
  ASSERT_TRUE(parse_recognized_page("i 10 20\ne\n", &page));
  EXPECT_EQ(page, (RecognizedPage{10, 20, {}}));
}

TEST(RecognizedText, ControlCharactersCannotBreakALine) {
  RecognizedPage page{100, 100, {{false, true, {1, 2, 3, 4}, 4, {{{1, 2, 3, 4}, 50, "a\r\nb"}}}}};
  RecognizedPage read;
  ASSERT_TRUE(parse_recognized_page(format_recognized_page(page), &read));
  EXPECT_EQ(read.lines.at(0).words.at(0).text, "a  b");
}

TEST(RecognizedText, RefusesIncompleteOrMalformedFiles) {
  const std::string whole = format_recognized_page(two_blocks());
  RecognizedPage page;
  for (const std::string& bytes : {
           whole.substr(0, whole.size() - 3),                 // no "e"
           whole.substr(0, whole.size() - 1),                 // "e" without its line end
           whole + "w 1 2 3 4 5 x\r\n",                       // more after "e"
           std::string("i 10 20\r\nw 1 2 3 4 5 x\r\ne\r\n"),  // a word outside a line
           std::string("i 10\r\ne\r\n"),                      // no height
           std::string("i 10 20\r\nl 1 2 3 4\r\ne\r\n"),      // no baseline
           std::string("i 10 20\r\nw 1 2 3 4 x\r\ne\r\n"),    // no confidence
           std::string(""),
       }) {
    EXPECT_FALSE(parse_recognized_page(bytes, &page)) << bytes;
  }
}

}  // namespace
}  // namespace lexiweb
