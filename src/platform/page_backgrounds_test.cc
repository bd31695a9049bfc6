#include "platform/page_backgrounds.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lexiweb {
namespace {

// The start of page 5 of a manual as pdftohtml -c -i writes it.
const std::string kPageStart =
    "<body bgcolor=\"#A0A0A0\" vlink=\"blue\" link=\"blue\">\n"
    "<div id=\"page5-div\" style=\"position:relative;width:892px;height:1262px;\">\n"
    "<p style=\"position:absolute;top:57px;left:85px;white-space:nowrap\" "
    "class=\"ft00\">Debian&#160;Reference</p>\n";

TEST(PageBackgrounds, LineGoesRightAfterThePageStartWithItsSizeAndImageName) {
  std::string page = kPageStart;
  ASSERT_TRUE(add_background_line(page, 5));
  EXPECT_EQ(page,
            "<body bgcolor=\"#A0A0A0\" vlink=\"blue\" link=\"blue\">\n"
            "<div id=\"page5-div\" style=\"position:relative;width:892px;height:1262px;\">\n"
            "<img width=\"892\" height=\"1262\" src=\"page005.png\" alt=\"background image\"/>\n"
            "<p style=\"position:absolute;top:57px;left:85px;white-space:nowrap\" "
            "class=\"ft00\">Debian&#160;Reference</p>\n");
  EXPECT_EQ(background_image_file(1234), "page1234.png");
}

TEST(PageBackgrounds, PageWithoutItsOwnStartIsLeftAsItIs) {
  for (int page : {4, 50}) {
    std::string html = kPageStart;
    EXPECT_FALSE(add_background_line(html, page)) << page;
    EXPECT_EQ(html, kPageStart);
  }
  std::string cut = kPageStart.substr(0, kPageStart.find("px;\">"));
  EXPECT_FALSE(add_background_line(cut, 5));
}

TEST(PageBackgrounds, RendererIsFoundBesideTheTestsAsBesideTheProgram) {
#ifdef LEXIWEB_RENDERER_BUILT
  EXPECT_TRUE(background_renderer().ends_with("/lib/lexiweb/lexiweb-render"))
      << background_renderer();
  EXPECT_TRUE(std::filesystem::exists(background_renderer()));
#else
  EXPECT_EQ(background_renderer(), "");
#endif
}

}  // namespace
}  // namespace lexiweb
