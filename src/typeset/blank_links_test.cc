#include "typeset/blank_links.h"

#include <gtest/gtest.h>

#include <string>

namespace lexiweb {
namespace {

std::string unlinked(std::string_view content) {
  std::string out = "untouched";
  return without_blank_links(content, out) ? out : "(none) " + out;
}

TEST(BlankLinksTest, LinksAroundBlanksAloneLoseTheirTagsOthersStay) {
  EXPECT_EQ(unlinked("<a href=\"http://a.org/x\">  </a>"), "  ");
  EXPECT_EQ(unlinked("<a href=\"x\">&#160;</a>word <a href=\"y\">word</a><a href=\"z\"> </a>"),
            "&#160;word <a href=\"y\">word</a> ");
  // A link with any text, markup within included, or none at all.
  EXPECT_EQ(unlinked("<a href=\"y\"> w </a>"), "(none) untouched");
  EXPECT_EQ(unlinked("<a href=\"y\"><b> </b></a>"), "(none) untouched");
  EXPECT_EQ(unlinked("plain text"), "(none) untouched");
  // An unfinished link is left as it stands.
  EXPECT_EQ(unlinked("<a href=\"y\"> "), "(none) untouched");
}

TEST(BlankLinksTest, PageFragmentsAreRewrittenWhereTheyHoldOne) {
  ConvertedPage page = read_converted_page(
      "<style></style>\n<p class=\"ft0\"><a href=\"x\"> </a></p>\n"
      "<p class=\"ft0\"><a href=\"y\">river</a></p>\n");
  unlink_blank_links(page);
  EXPECT_EQ(
      written_page(page),
      "<style></style>\n<p class=\"ft0\"> </p>\n<p class=\"ft0\"><a href=\"y\">river</a></p>\n");
}

}  // namespace
}  // namespace lexiweb
