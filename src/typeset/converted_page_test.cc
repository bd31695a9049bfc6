#include "typeset/converted_page.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

constexpr char kHead[] =
    "<!DOCTYPE html>\n<html>\n<head>\n<title></title>\n</head>\n<body>\n"
    "<style type=\"text/css\">\n<!--\n\t.ft00{font-size:15px;}\n-->\n</style>\n";

// Read and written without a change, every page keeps its bytes: with a
// style or without, and with a start tag that has no end.
TEST(ConvertedPage, PageWithoutChangesKeepsEveryByte) {
  const std::string body =
      "<div id=\"page1-div\" style=\"position:relative;width:918px;height:1188px;\">\n"
      "<p style=\"position:absolute;top:10px;left:20px;\" class=\"ft00\">One <b>two</b></p>\n"
      "<p style=\"position:absolute;left:5px;top:30px;\">recognised</p>\n"
      "</div>\n</body>\n</html>\n";
  for (const std::string& html :
       {std::string(kHead) + body, body, body + "<p class=\"ft00\">no end"}) {
    const ConvertedPage page = read_converted_page(html);
    EXPECT_EQ(written_page(page), html);
  }
  const ConvertedPage page = read_converted_page(std::string(kHead) + body);
  EXPECT_EQ(page.head, kHead);
  ASSERT_EQ(page.fragments.size(), 2u);
  EXPECT_TRUE(page.fragments[0].placed_by_top);
  EXPECT_EQ(page.fragments[0].class_name, "ft00");
  EXPECT_EQ(content_of(page, page.fragments[0]), "One <b>two</b>");
  EXPECT_FALSE(page.fragments[1].placed_by_top);
  EXPECT_EQ(page.fragments[1].class_name, "");
}

// Widths and rewritten content go into each fragment wherever it is
// written: in place, or within a stretch written anew; the stretches come
// in the order of the body whatever the order they were given in.
TEST(ConvertedPage, ChangesAreWrittenOnceInTheBodysOrder) {
  const std::string body =
      "<div>\n<p style=\"position:absolute;top:1px;left:2px;\" class=\"ft00\">a</p>\n"
      "<p style=\"position:absolute;top:3px;left:4px;\" class=\"ft01\">b</p>\n</div>\n";
  ConvertedPage page = read_converted_page(std::string(kHead) + body);
  ASSERT_EQ(page.fragments.size(), 2u);
  page.fragments[0].widths = "12,7";
  page.fragments[1].rewritten = true;
  page.fragments[1].content = "&lt;b&gt;";
  std::string wrapped = "<div class=\"lw-p\">";
  append_fragment(page, page.fragments[1], "s", wrapped);
  wrapped += "</div>\n";
  const size_t second = page.fragments[1].begin;
  page.rewrites.push_back({second, page.fragments[1].end + 1, wrapped});
  page.rewrites.push_back({0, 0, "<link>\n"});
  EXPECT_EQ(
      written_page(page),
      std::string(kHead) +
          "<link>\n<div>\n<p style=\"position:absolute;top:1px;left:2px;\" class=\"ft00\""
          " data-w=\"12,7\">a</p>\n<div class=\"lw-p\"><p data-f=\"s\""
          " style=\"position:absolute;top:3px;left:4px;\" class=\"ft01\">&lt;b&gt;</p></div>\n"
          "</div>\n");
}

}  // namespace
}  // namespace lexiweb
