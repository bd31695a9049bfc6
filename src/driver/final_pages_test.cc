#include "driver/final_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "common/run_parameters.h"
#include "common/run_values.h"
#include "shell/file_ops.h"
#include "testing/working_folder.h"
#include "wordindex/index_test_pages.h"

namespace lexiweb {
namespace {

using testing::details_anchor;
using testing::read_file;
using testing::record_line;
using testing::standard_page_head;
using testing::WorkingFolder;
using testing::write_file;

std::string address_line(std::string_view address) {
  return "<br> <a href=\"" + std::string(address) + "\">" + std::string(address) + "</a>\r\n";
}

std::string promotion_block() {
  return "<br> <b> __________________________________________ </b>\r\n"
         "<br>\r\n"
         "<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAMS </b>\r\n"
         "<br>\r\n"
         "<br> Our programs are intended for companis who want to consolidate their brand "
         "through free distribution of the programs.\r\n"
         "<br> Advertising messages and search links in the programs are tailored to each "
         "customer individually.\r\n"
         "<br>\r\n"
         "<br> PLACEMENT OF ADVERTISING MESSAGES\r\n"
         "<br> The programs read advertising messages from the web address specified by the "
         "buyer when ordering.\r\n"
         "<br> Advertisement messages are placed in the all-words index and other output "
         "files.\r\n"
         "<br>\r\n"
         "<br> GOOGLE SEARCH PHRASES\r\n"
         "<br> The programs generate Google search strings for all words in the all-words "
         "index and target the web address specified by the buyer when ordering.\r\n"
         "<br>\r\n"
         "<br> Remember: the all-words index file is accessible while reading output file, "
         "just by double-clicking on any word.\r\n"
         "<br> More info at:\r\n" +
         address_line(promotion_address_1) + address_line(promotion_address_2) + "<br>\r\n";
}

size_t count_of(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// A document of 12 pages whose words end on page 10, so that the follow-on
// pages are named after page 10.
class FinalPagesTest : public ::testing::Test {
 protected:
  FinalPagesTest() {
    make_folder("htm_in");
    make_folder("htm_out");
    g_run.page_count = 12;
    g_run.page_stems = {""};
    for (int page = 1; page <= 12; ++page)
      g_run.page_stems.push_back("page" + std::to_string(page));
    g_run.contents_page_file = "f000011.htm";
    g_run.about_page_file = "f000012.htm";
    g_run.all_words_page_file = "f000013.htm";
  }

  // The page as written into the working folder, after checking that
  // htm_out holds the same bytes.
  std::string page(const std::string& name) {
    std::string written = read_file(name);
    EXPECT_FALSE(written.empty()) << name;
    EXPECT_EQ(read_file("htm_out/" + name), written) << name;
    return written;
  }

  // wrd_12.txt with `count` distinct words, w0001 to w<count>.
  void write_all_words_list(int count) {
    std::string list;
    for (int n = 1; n <= count; ++n) {
      std::string number = std::to_string(n);
      list += record_line({"in000001", "i" + std::string(10 - number.size(), '0') + number,
                           "w" + std::string(4 - number.size(), '0') + number});
    }
    write_file("wrd_12.txt", list);
  }

  std::string entry(int n) {
    std::string number = std::to_string(n);
    std::string id = "i" + std::string(10 - number.size(), '0') + number;
    std::string word = "w" + std::string(4 - number.size(), '0') + number;
    return "<li><a href=\"in000001.htm#" + id + "\" ><span  id=\"" + id + "\" > " + word +
           "</span> </a></li>\n\r\n";
  }

  WorkingFolder folder_;
};

TEST_F(FinalPagesTest, ContentsPageListsEveryPageAndItsLastItemsNameTheFollowOnPages) {
  write_file("htm_in/page1-1_1.png", "image one");
  write_file("htm_in/cover.PNG", "image two");
  write_file("htm_in/page1.htm", "a converter page");

  write_contents_page();

  std::string expected = standard_page_head("Contents") + "<p>Details: " + details_anchor() +
                         " </p>\r\n"
                         "Contents\n\r\n"
                         "<ol>\r\n";
  for (int page = 1; page <= 12; ++page) {
    std::string number = std::to_string(page);
    expected += "<li><a href=\"f" + std::string(6 - number.size(), '0') + number + ".htm\" >page" +
                number + "</a></li>\r\n";
  }
  expected += "</ol>\r\n</body></HTML>\r\n";
  EXPECT_EQ(page("f000011.htm"), expected);

  EXPECT_EQ(read_file("htm_out/page1-1_1.png"), "image one");
  EXPECT_EQ(read_file("htm_out/cover.PNG"), "image two");
  EXPECT_FALSE(file_exists("htm_out/page1.htm"));
}

TEST_F(FinalPagesTest, AboutPageHoldsTheInstructionAndOnePromotionBlock) {
  write_about_page();

  EXPECT_EQ(page("f000012.htm"),
            standard_page_head("search") +
                "<br>\r\n"
                "<br>\r\n"
                "<br> <b> Place cursor on desired word and double (2X) click left button on "
                "mouse. </b>\r\n"
                "<br>\r\n"
                "<br>\r\n" +
                promotion_block() + "</body></HTML>\r\n");
}

TEST_F(FinalPagesTest, AllWordsPageLinksEachWordToItsFirstOccurrence) {
  write_file("wrd_12.txt", record_line({"in000001", "i0000000412", "Water"}) +
                               record_line({"in000002", "i0000001300", "wind"}));
  g_run.word_count = 1234;

  write_all_words_page();

  EXPECT_EQ(page("f000013.htm"),
            standard_page_head("index") +
                "<ul>\n\r\n"
                "<li><a href=\"in000001.htm#i0000000412\" ><span  id=\"i0000000412\" > "
                "Water</span> </a></li>\n\r\n"
                "<li><a href=\"in000002.htm#i0000001300\" ><span  id=\"i0000001300\" > "
                "wind</span> </a></li>\n\r\n"
                "</ul>\n\r\n"
                "</body></HTML>\r\n");
  EXPECT_EQ(g_run.word_count, 1234);
}

TEST_F(FinalPagesTest, PromotionBlockFollowsEvery151stWord) {
  const std::string block = promotion_block() + "<br>\r\n";
  write_all_words_list(150);
  write_all_words_page();
  std::string written = page("f000013.htm");
  EXPECT_EQ(count_of(written, "<li>"), 150u);
  EXPECT_EQ(count_of(written, "PROMOTE YOUR BRAND"), 0u);

  write_all_words_list(151);
  write_all_words_page();
  written = page("f000013.htm");
  EXPECT_EQ(count_of(written, "PROMOTE YOUR BRAND"), 1u);
  EXPECT_NE(written.find(entry(151) + block + "</ul>\n\r\n"), std::string::npos);

  write_all_words_list(302);
  write_all_words_page();
  written = page("f000013.htm");
  EXPECT_EQ(count_of(written, "PROMOTE YOUR BRAND"), 2u);
  EXPECT_NE(written.find(entry(151) + block + entry(152)), std::string::npos);
  EXPECT_NE(written.find(entry(302) + block + "</ul>\n\r\n"), std::string::npos);
}

TEST_F(FinalPagesTest, EmptyDocumentStillGetsItsThreePages) {
  g_run.page_count = 2;
  g_run.page_stems = {"", "page1", "page2"};
  g_run.contents_page_file = "f000001.htm";
  g_run.about_page_file = "f000002.htm";
  g_run.all_words_page_file = "f000003.htm";
  write_file("wrd_12.txt", "");

  write_contents_page();
  write_about_page();
  write_all_words_page();

  std::string contents = page("f000001.htm");
  EXPECT_NE(contents.find("<ol>\r\n"
                          "<li><a href=\"f000001.htm\" >page1</a></li>\r\n"
                          "<li><a href=\"f000002.htm\" >page2</a></li>\r\n"
                          "</ol>\r\n"),
            std::string::npos);
  EXPECT_EQ(count_of(page("f000002.htm"), "PROMOTE YOUR BRAND"), 1u);
  EXPECT_EQ(page("f000003.htm"),
            standard_page_head("index") + "<ul>\n\r\n</ul>\n\r\n</body></HTML>\r\n");
}

}  // namespace
}  // namespace lexiweb
