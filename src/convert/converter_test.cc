#include "convert/converter.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "convert/converter_testing.h"
#include "shell/run_shell.h"
#include "testing/working_folder.h"
#include "tools/pdf_writer.h"
#ifdef LEXIWEB_RENDERER_BUILT
#include "tools/png_pixels.h"
#endif

namespace lexiweb {
namespace {

using testing::read_file;
using testing::RecordingConsole;
using testing::three_pages;
using testing::WorkingFolder;
using testing::write_pdf;

std::set<std::string> folder_listing(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

std::string body_of(const std::string& page) {
  size_t body_tag = page.find("<body");
  return body_tag == std::string::npos ? std::string() : page.substr(page.find('>', body_tag) + 1);
}

// The three pages, with an outline, converted at 1.5 into htm_in.
class ConvertedDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    write_pdf("doc.pdf", three_pages(), {{"Rivers", 1}, {"The end", 3}});
    ASSERT_TRUE(run_converter("1.5", "doc.pdf", "htm_in"));
  }

  WorkingFolder folder_;
  RecordingConsole console_;
};

TEST_F(ConvertedDocumentTest, WritesIndexPagesImagesOutlineAndFontsAndNothingElse) {
  EXPECT_EQ(console_.output, "");
  // The frameset, the frame index and the measuring files are gone; the
  // outline stays as pdftohtml wrote it.
  EXPECT_EQ(folder_listing("htm_in"),
            (std::set<std::string>{"document-facts.txt", "fonts", "index.html", "outline.html",
                                   "page1.html", "page2.html", "page3.html", "page001.png",
                                   "page002.png", "page003.png"}));
  std::string report;
  std::filesystem::create_directory("direct");
  ASSERT_EQ(run_for_output({"pdftohtml", "-q", "-c", "doc.pdf", "direct/page"}, &report), 0)
      << report;
  EXPECT_EQ(read_file("htm_in/outline.html"), read_file("direct/page-outline.html"));
  EXPECT_EQ(read_file("htm_in/index.html"),
            "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"UTF-8\">\r\n"
            "<title>Index</title>\r\n</head>\r\n<body>\r\n"
            "<a href=\"page1.html\">page1</a><br>\r\n"
            "<a href=\"page2.html\">page2</a><br>\r\n"
            "<a href=\"page3.html\">page3</a><br>\r\n"
            "</body>\r\n</html>\r\n");
}

TEST_F(ConvertedDocumentTest, EveryPageIsCompleteWithItsStyleFirstInTheBodyAndItsImage) {
  for (int page = 1; page <= 3; ++page) {
    SCOPED_TRACE(page);
    std::string html = read_file("htm_in/page" + std::to_string(page) + ".html");
    EXPECT_TRUE(html.starts_with("<!DOCTYPE html>\n<html"));
    // Every page, the empty one too, ends with the copying and search field's scripts.
    EXPECT_TRUE(
        html.ends_with("</div>\n<script src=\"fonts/copy.js\" defer></script>\n"
                       "<script src=\"fonts/search.js\" defer></script>\n</body>\n</html>\n"))
        << html;
    std::string head = html.substr(0, html.find("</head>"));
    EXPECT_NE(head.find("<title></title>"), std::string::npos);
    EXPECT_EQ(head.find("<style"), std::string::npos);
    std::string body = body_of(html);
    EXPECT_TRUE(body.starts_with("\n<style type=\"text/css\">\n")) << body;
    // The fitting script follows the style on pages with text (not on the empty page 2).
    const std::string script = page == 2 ? "" : "<script src=\"fonts/fit.js\" defer></script>\n";
    // Then the flowing view's style and script, which must come before the page division.
    const std::string flow =
        "<link rel=\"stylesheet\" href=\"fonts/flow.css\">\n"
        "<script src=\"fonts/flow.js\" data-width=\"918\"></script>\n";
    EXPECT_NE(body.find("</style>\n" + script + flow + "<div id=\"page" + std::to_string(page) +
                        "-div\""),
              std::string::npos)
        << body;
    EXPECT_NE(body.find("src=\"page00" + std::to_string(page) + ".png\""), std::string::npos);
  }
}

// The PDF writer sets its text in Helvetica, which no reader can be
// counted on to have; its metric twin travels with the pages instead.
TEST_F(ConvertedDocumentTest, PagesAreSetInFacesThatTravelWithThemAndKnowTheirWidths) {
  const std::string page = read_file("htm_in/page1.html");
  const std::smatch face = [&] {
    std::smatch match;
    std::regex_search(
        page, match, std::regex("@font-face\\{font-family:LiberationSans;src:url\\(([^)]+)\\)\\}"));
    return match;
  }();
  ASSERT_FALSE(face.empty()) << page;
  EXPECT_TRUE(std::filesystem::is_regular_file("htm_in/" + face[1].str())) << face[1];
  EXPECT_NE(page.find("font-family:LiberationSans,sans-serif;"), std::string::npos) << page;
  EXPECT_EQ(page.find("font-family:Helvetica"), std::string::npos) << page;
  EXPECT_TRUE(std::filesystem::is_regular_file("htm_in/fonts/fit.js"));
  EXPECT_TRUE(std::filesystem::is_regular_file("htm_in/fonts/search.js"));
  EXPECT_TRUE(std::filesystem::is_regular_file("htm_in/fonts/copy.js"));

  // Every fragment carries its width in the PDF, one number per line, as
  // poppler's own measure of its lines (pdftohtml -xml, a text element a
  // line, in the same order) gives it to within the rounding; and nothing
  // of the text changed.
  std::string ignored;
  ASSERT_EQ(run_for_output({"pdftohtml", "-q", "-xml", "-i", "-zoom", "1.5", "-f", "1", "-l", "1",
                            "doc.pdf", "measure"},
                           &ignored),
            0);
  const std::string xml = read_file("measure.xml");
  std::vector<long> poppler_widths;
  const std::regex text_element("<text top=\"[0-9]+\" left=\"[0-9]+\" width=\"([0-9]+)\"");
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), text_element);
       it != std::sregex_iterator(); ++it) {
    poppler_widths.push_back(std::stol((*it)[1].str()));
  }
  const std::regex fragment(
      "<p style=\"position:absolute;top:[0-9]+px;left:[0-9]+px;white-space:"
      "nowrap\" class=\"ft[0-9]+\"( data-w=\"([0-9,]+)\")?>(.*)</p>");
  std::vector<long> widths;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), fragment);
       it != std::sregex_iterator(); ++it) {
    ASSERT_TRUE((*it)[1].matched) << it->str();
    std::stringstream lines((*it)[2].str());
    const std::string text = (*it)[3].str();
    size_t breaks = 0;
    for (size_t at = text.find("<br/>"); at != std::string::npos; at = text.find("<br/>", at + 1)) {
      ++breaks;
    }
    size_t count = 0;
    for (std::string width; std::getline(lines, width, ',');) {
      widths.push_back(std::stol(width));
      ++count;
    }
    EXPECT_EQ(count, breaks + 1) << it->str();
  }
  ASSERT_EQ(widths.size(), poppler_widths.size()) << xml;
  for (size_t i = 0; i < widths.size(); ++i) {
    EXPECT_LE(std::abs(widths[i] - poppler_widths[i]), 1) << i << ": " << xml;
  }
  EXPECT_NE(page.find("Rivers  and   lakes"), std::string::npos);
}

TEST_F(ConvertedDocumentTest, TextHasPlainBlanksAndQuotesAndEscapedSigns) {
  std::string page = read_file("htm_in/page1.html");
  EXPECT_EQ(page.find("&#160;"), std::string::npos);
  EXPECT_EQ(page.find("&#34;"), std::string::npos);
  EXPECT_NE(page.find("Rivers  and   lakes"), std::string::npos) << page;
  EXPECT_NE(page.find("He said \"hello\" and it's fine"), std::string::npos) << page;
  EXPECT_NE(page.find("Salt &amp; fresh &lt;water&gt; caf\xC3\xA9"), std::string::npos) << page;
}

TEST_F(ConvertedDocumentTest, LinksToPagesOfTheDocumentLeadToTheAnnotatedPages) {
  std::string first = read_file("htm_in/page1.html");
  std::string third = read_file("htm_in/page3.html");
  EXPECT_NE(first.find("<a href=\"f000003.htm\">See the third page"), std::string::npos) << first;
  EXPECT_NE(first.find("<a href=\"https://example.org/a?b=1&c=2\">Rivers  and   lakes"),
            std::string::npos)
      << first;
  EXPECT_NE(first.find("<a href=\"mailto:keeper@example.org\">Mail the keeper</a>"),
            std::string::npos)
      << first;
  EXPECT_NE(third.find("<a href=\"f000001.htm\">Back to the first page"), std::string::npos)
      << third;
  for (const std::string& page : {first, third, read_file("htm_in/page2.html")}) {
    EXPECT_EQ(page.find("page-"), std::string::npos);
    EXPECT_EQ(page.find(".html"), std::string::npos);
  }
}

// pdftohtml keeps the zoom between 0.5 and 3; the backgrounds follow it.
TEST_F(ConvertedDocumentTest, ZoomFollowsTheMagnificationWithinPdftohtmlsBounds) {
  ASSERT_TRUE(run_converter(" 2 ", "doc.pdf", "large"));
  ASSERT_TRUE(run_converter("4", "doc.pdf", "largest"));
  ASSERT_TRUE(run_converter("0.25", "doc.pdf", "smallest"));
  // A US Letter page is 612 x 792 points.
  EXPECT_NE(read_file("htm_in/page1.html").find("width:918px"), std::string::npos);
  EXPECT_NE(read_file("large/page1.html").find("width:1224px"), std::string::npos);
  EXPECT_NE(read_file("largest/page1.html").find("<img width=\"1836\" height=\"2376\""),
            std::string::npos);
  EXPECT_NE(read_file("smallest/page1.html").find("<img width=\"306\" height=\"396\""),
            std::string::npos);
#ifdef LEXIWEB_RENDERER_BUILT
  testing::PngPixels image;
  std::string error;
  ASSERT_TRUE(testing::read_png("largest/page001.png", &image, &error)) << error;
  EXPECT_EQ(image.width, 1836u);
  ASSERT_TRUE(testing::read_png("smallest/page001.png", &image, &error)) << error;
  EXPECT_EQ(image.width, 306u);
#endif
}

TEST(Converter, NamesWithBlanksOrLeadingHyphensConvert) {
  WorkingFolder folder;
  write_pdf("my river notes.pdf", three_pages());
  write_pdf("-q.pdf", three_pages());
  RecordingConsole console;
  EXPECT_TRUE(run_converter("1.5", "my river notes.pdf", "out folder"));
  EXPECT_TRUE(std::filesystem::exists("out folder/page3.html"));
  // A PDF without an outline gets no outline file.
  EXPECT_FALSE(std::filesystem::exists("out folder/outline.html"));
  EXPECT_TRUE(run_converter("1.5", "-q.pdf", "htm_in"));
  EXPECT_TRUE(std::filesystem::exists("htm_in/page3.html"));
  EXPECT_EQ(console.output, "");
}

}  // namespace
}  // namespace lexiweb
