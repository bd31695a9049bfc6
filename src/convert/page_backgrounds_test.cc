#include "convert/page_backgrounds.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

// The start of page 5 of a manual as pdftohtml -c -i writes it.
const std::string kPageStart =
    "<body bgcolor=\"#A0A0A0\" vlink=\"blue\" link=\"blue\">\n"
    "<div id=\"page5-div\" style=\"position:relative;width:892px;height:1262px;\">\n"
    "<p style=\"position:absolute;top:57px;left:85px;white-space:nowrap\" "
    "class=\"ft00\">Debian&#160;Reference</p>\n";

// The conversion tests compare whole pages with pdftohtml -c's; what they
// cannot meet is a page whose number only begins like another's.
TEST(PageBackgrounds, PageWithoutItsOwnStartIsLeftAsItIs) {
  for (int page : {4, 50}) {
    std::string html = kPageStart;
    EXPECT_FALSE(add_background_line(html, page)) << page;
    EXPECT_EQ(html, kPageStart);
  }
  std::string cut = kPageStart.substr(0, kPageStart.find("px;\">"));
  EXPECT_FALSE(add_background_line(cut, 5));
}

// The picture behind a page's text is decorative, the page holds the text;
// a scan under recognised words is the page itself, and says so briefly.
TEST(PageBackgrounds, BackgroundIsDecorativeAndAScanIsNamedByItsPage) {
  std::string html = kPageStart;
  ASSERT_TRUE(add_background_line(html, 5));
  std::string decorative = html;
  describe_background(decorative, 5, false);
  EXPECT_NE(decorative.find("<img width=\"892\" height=\"1262\" src=\"page005.png\" alt=\"\"/>\n"),
            std::string::npos)
      << decorative;
  describe_background(html, 5, true);
  EXPECT_NE(html.find("src=\"page005.png\" alt=\"scanned page 5\"/>"), std::string::npos) << html;
  std::string other = kPageStart;
  describe_background(other, 5, true);  // no image of its own: nothing to describe
  EXPECT_EQ(other, kPageStart);
}

}  // namespace
}  // namespace lexiweb
