#include "convert/converter_page.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

// A page as pdftohtml -c writes it.
constexpr std::string_view kRawPage =
    "<!DOCTYPE html>\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"\" xml:lang=\"\">\n"
    "<head>\n"
    "<title>Page 1</title>\n"
    "\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"/>\n"
    "<style type=\"text/css\">\n"
    "<!--\n"
    "\tp {margin: 0; padding: 0;}\t.ft00{font-size:18px;}\n"
    "-->\n"
    "</style>\n"
    "</head>\n"
    "<body bgcolor=\"#A0A0A0\" vlink=\"blue\" link=\"blue\">\n"
    "<div id=\"page1-div\" style=\"position:relative;width:918px;height:1188px;\">\n"
    "<img width=\"918\" height=\"1188\" src=\"page001.png\" alt=\"background image\"/>\n"
    "<p style=\"position:absolute;top:95px;left:108px\" class=\"ft00\">two &#160;blanks, "
    "&#34;quoted&#34; it&#39;s &amp; &lt;b&gt; caf\xC3\xA9</p>\n"
    "</div>\n"
    "</body>\n"
    "</html>\n";

TEST(ReshapePage, MovesStyleIntoBodyEmptiesTitleAndPlainsTheText) {
  EXPECT_EQ(reshape_page(kRawPage),
            "<!DOCTYPE html>\n"
            "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"\" xml:lang=\"\">\n"
            "<head>\n"
            "<title></title>\n"
            "\n"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"/>\n"
            "</head>\n"
            "<body bgcolor=\"#A0A0A0\" vlink=\"blue\" link=\"blue\">\n"
            "<style type=\"text/css\">\n"
            "<!--\n"
            "\tp {margin: 0; padding: 0;}\t.ft00{font-size:18px;}\n"
            "\tp a[href]{color:inherit;text-decoration:none;cursor:pointer}\n"
            "\tp a[href]:hover{outline:1px solid currentColor;outline-offset:1px}\n"
            "-->\n"
            "</style>\n"
            "<div id=\"page1-div\" style=\"position:relative;width:918px;height:1188px;\">\n"
            "<img width=\"918\" height=\"1188\" src=\"page001.png\" alt=\"background image\"/>\n"
            "<p style=\"position:absolute;top:95px;left:108px\" class=\"ft00\">two  blanks, "
            "\"quoted\" it's &amp; &lt;b&gt; caf\xC3\xA9</p>\n"
            "</div>\n"
            "</body>\n"
            "</html>\n");
}

TEST(ReshapePage, ReplacesReferencesInTextOnlyNeverInsideTags) {
  EXPECT_EQ(reshape_page("<body>\n<p title=\"a&#34;b&#160;c\">x&nbsp;y&apos;z&quot;</p>"),
            "<body>\n<p title=\"a&#34;b&#160;c\">x y'z\"</p>");
}

TEST(ReshapePage, LeavesOtherReferencesAndLoneAmpersands) {
  EXPECT_EQ(reshape_page("<body>&#8217; &#16 &amp;&#160 & &#1600;</body>"),
            "<body>&#8217; &#16 &amp;&#160 & &#1600;</body>");
}

TEST(ReshapePage, PageWithoutBodyTagIsWalkedWhole) {
  EXPECT_EQ(reshape_page("<title>T</title><p>a&#160;b</p>"), "<title>T</title><p>a b</p>");
}

TEST(ReshapePage, UnclosedTagAtTheEndIsKept) {
  EXPECT_EQ(reshape_page("<body>a&#160;b<p class=x"), "<body>a b<p class=x");
}

TEST(ReshapePage, RewritesLinksToPagesOfTheDocumentAndNothingElse) {
  EXPECT_EQ(reshape_page("<body>\n<img src=\"page003.png\"/><a href=\"page-3.html\">page-3.html"
                         "</a> <a href=\"page-12.html#x\">twelve</a></body>"),
            "<body>\n<img src=\"page003.png\"/><a href=\"f000003.htm\">page-3.html</a> "
            "<a href=\"f000012.htm\">twelve</a></body>");
}

TEST(ReshapePage, LinkTextIsTextAndLinkTargetsAreMadeSafe) {
  EXPECT_EQ(reshape_page("<body><a href=\"http://e.org/?q=\"a\"&b=<c>\">go&#160;on</a></body>"),
            "<body><a href=\"http://e.org/?q=%22a%22&b=%3Cc%3E\">go on</a></body>");
}

// A link that would run code keeps its text and loses its target; the
// links around it are untouched.
TEST(ReshapePage, ScriptLinksBecomeAnchorsWithoutTarget) {
  EXPECT_EQ(reshape_page("<body><a href=\"JaVa&#115;cript:alert(document.cookie)\">Click "
                         "here</a> <a href=\"data:text/html,<script>alert(1)</script>\">data</a> "
                         "<a href=\"page-2.html\">two</a> <a href=\"ftp://e.org/\">ftp</a></body>"),
            "<body><a>Click here</a> <a>data</a> <a href=\"f000002.htm\">two</a> "
            "<a href=\"ftp://e.org/\">ftp</a></body>");
}

TEST(ReshapePage, RightToLeftFragmentsAreReadInLogicalOrderWithTheirTagsWhole) {
  EXPECT_EQ(reshape_page("<body>\n<p style=\"top:1px\" class=\"ft01\">تيراش&#160;اوسنارف</p>\n"
                         "<p class=\"ft02\"><a href=\"page-2.html\">ةغللا&#160;معد</a></p>\n"
                         "<p class=\"ft03\">Hello&#160;world&#160;ابحرم</p>\n</body>"),
            "<body>\n<p style=\"top:1px\" class=\"ft01\" dir=\"rtl\">فرانسوا شاريت</p>\n"
            "<p class=\"ft02\" dir=\"rtl\"><a href=\"f000002.htm\">دعم اللغة</a></p>\n"
            "<p class=\"ft03\">Hello world مرحبا</p>\n</body>");
}

TEST(LinkTarget, PagesOfTheSameDocumentLeadToTheirAnnotatedPages) {
  EXPECT_EQ(link_target("page-3.html"), "f000003.htm");
  EXPECT_EQ(link_target("page-1234.html#section"), "f001234.htm");
  EXPECT_EQ(link_target("page-12.html#"), "f000012.htm");
}

TEST(LinkTarget, LinksThatOnlyLookLikePagesStay) {
  EXPECT_EQ(link_target("page-0.html"), "page-0.html");
  EXPECT_EQ(link_target("page-.html"), "page-.html");
  EXPECT_EQ(link_target("page-3x.html"), "page-3x.html");
  EXPECT_EQ(link_target("page3.html"), "page3.html");
  EXPECT_EQ(link_target("page-3.htm"), "page-3.htm");
  EXPECT_EQ(link_target("other-3.html"), "other-3.html");
  EXPECT_EQ(link_target("http://example.org/page-3.html"), "http://example.org/page-3.html");
  EXPECT_EQ(link_target("page-12345678901.html"), "page-12345678901.html");
}

TEST(LinkTarget, WebAndMailAddressesStayAsTheyAre) {
  EXPECT_EQ(link_target("https://example.org/a?b=1&c=2#top"), "https://example.org/a?b=1&c=2#top");
  EXPECT_EQ(link_target("mailto:someone@example.org"), "mailto:someone@example.org");
}

}  // namespace
}  // namespace lexiweb
