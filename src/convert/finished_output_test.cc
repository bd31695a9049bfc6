#include "convert/finished_output.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::WorkingFolder;
using testing::write_file;

const std::string kImageEnd("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
const std::string kImageStart = "\x89PNG\r\n\x1a\n";

std::string page_showing(const std::string& image) {
  return "<html>\n<body>\n<img width=\"918\" height=\"1188\" src=\"" + image +
         "\" alt=\"background image\"/>\n<a href=\"page-2.html\">next</a>\n</body>\n</html>\n";
}

TEST(FinishedOutputTest, ImageIsFinishedOnlyWithItsIendChunk) {
  WorkingFolder folder;
  write_file("whole.png", kImageStart + "pixels" + kImageEnd);
  write_file("cut.png", kImageStart + "pixels" + kImageEnd.substr(0, 11));
  write_file("empty.png", "");
  EXPECT_TRUE(image_is_finished("whole.png"));
  EXPECT_FALSE(image_is_finished("cut.png"));
  EXPECT_FALSE(image_is_finished("empty.png"));
  EXPECT_FALSE(image_is_finished("missing.png"));
}

TEST(FinishedOutputTest, PageIsFinishedWithItsClosingTagAndItsImages) {
  WorkingFolder folder;
  write_file("page001.png", kImageStart + kImageEnd);
  write_file("page002.png", kImageStart);
  EXPECT_EQ(unfinished_page_reason(page_showing("page001.png"), "."), "");
  EXPECT_EQ(unfinished_page_reason("<HTML><body></body></HTML>\r\n \n", "."), "");
  // Images of other folders or of other kinds are not the converter's.
  EXPECT_EQ(unfinished_page_reason(page_showing("../other/page002.png"), "."), "");
  EXPECT_EQ(unfinished_page_reason(page_showing("page002.jpg"), "."), "");

  const std::string whole = page_showing("page001.png");
  EXPECT_EQ(unfinished_page_reason(whole.substr(0, whole.size() - 3), "."),
            "the page ends before its closing </html>");
  EXPECT_EQ(unfinished_page_reason(page_showing("page002.png"), "."),
            "its image page002.png ends before its IEND chunk");
  EXPECT_EQ(unfinished_page_reason(page_showing("page003.png"), "."),
            "its image page003.png is missing");
}

}  // namespace
}  // namespace lexiweb
