#include "convert/outline_headings.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

TEST(OutlineHeadingsTest, EntriesByTheirPageAtTheirDepth) {
  const std::string outline =
      "<html>\n<body>\n<a name=\"outline\"></a><h1>Document Outline</h1>\n<ul>\n"
      "<li><a href=\"page-4.html\">1 Rivers &amp; Lakes</a></li>\n"
      "<li><a href=\"page-5.html\">2 Streams</a>\n<ul>\n"
      "<li><a href=\"page-5.html#12\">Mountain streams</a>\n<ul>\n"
      "<li><a href=\"page-7.html\">Springs</a></li>\n</ul>\n</li>\n"
      "<li><a href=\"https://example.org/page-6.html\">Elsewhere</a></li>\n"
      "</ul>\n</li>\n</ul>\n</body>\n</html>\n";
  const std::map<int, std::vector<OutlineHeading>> headings = outline_headings(outline);
  ASSERT_EQ(headings.size(), 3u);
  ASSERT_EQ(headings.at(4).size(), 1u);
  EXPECT_EQ(headings.at(4)[0].title, "1 Rivers & Lakes");
  EXPECT_EQ(headings.at(4)[0].depth, 0);
  ASSERT_EQ(headings.at(5).size(), 2u);
  EXPECT_EQ(headings.at(5)[1].title, "Mountain streams");
  EXPECT_EQ(headings.at(5)[1].depth, 1);
  EXPECT_EQ(headings.at(7)[0].depth, 2);
  EXPECT_TRUE(outline_headings("").empty());
}

}  // namespace
}  // namespace lexiweb
