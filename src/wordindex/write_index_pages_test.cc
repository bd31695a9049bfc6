#include "wordindex/write_index_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "common/identifiers.h"
#include "common/run_values.h"
#include "shell/file_ops.h"
#include "shell/scratch_catalogue.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_file;

// One occurrence record of the word order list, of word 1 on page `page`.
std::string occurrence(long page, long index_page, long id, const std::string& word,
                       const std::string& running_number, const std::string& context) {
  return record_line({word_number_text(1), page_field(page), page_field(id), output_page_stem(page),
                      index_page_stem(index_page), occurrence_id(id), word, running_number,
                      context});
}

// Index page 2 starts inside the word's occurrences: its list goes on
// numbering them, opens with a short item and keeps the word's index link.
// The index page list lacks page 2, so that page gets no prev/next links.
TEST(WriteIndexPagesTest, PageBreakInsideAWordAndAPageMissingFromTheList) {
  testing::WorkingFolder folder;
  make_folder("htm_out");
  g_run.page_count = 3;
  g_run.page_stems = {"", "page1", "page2", "page3"};
  g_run.all_words_page_file = "f000006.htm";
  g_run.target_site = "";
  write_file(kPlacedOccurrencesByWordFile, occurrence(1, 1, 1, "river", "1", "river") +
                                               occurrence(1, 1, 2, "river", "2", "the river") +
                                               occurrence(2, 2, 3, "River", "5", "River bank") +
                                               occurrence(3, 2, 4, "river", "8", "a river"));
  write_file(kIndexPagesFile, record_line({page_field(1), index_page_stem(1)}));

  write_index_pages();

  const std::string page = read_file("htm_out/in000002.htm");
  const size_t list = page.find("<div><ol");
  ASSERT_NE(list, std::string::npos) << page;
  EXPECT_EQ(page.substr(list),
            "<div><ol start = \"3\" >\r\n"
            "<li ><a href=\"f000002.htm#i0000000003\" ><span  id=\"i0000000003\" > River</span> "
            "</a> (page2.htm , f000002.htm)</li>\r\n"
            "<li ><a href=\"f000003.htm#i0000000004\" ><span  id=\"i0000000004\" > river</span> "
            "</a>&nbsp (page3.htm (8. word)) &nbsp <a href = \"f000006.htm#i0000000001\"> "
            "index</a>&nbsp ... a river...,  f000003.htm)&nbsp &nbsp <a "
            "href=\"https://www.google.com/search?q=a%20river%20site%3A\"> Google </a></li>\r\n"
            "</ol>\r\n</div>\r\n<div align = \"center\"></div>\r\n</main>\r\n</body></HTML>\r\n");
  EXPECT_NE(page.find("<div align = \"center\"></div>\r\n<div><ol"), std::string::npos) << page;
}

// Each index page is headed and titled by the words it runs from and to,
// the document's title first; a page of one word names it once. The head
// is written before the page's items, so the range comes from a first
// reading of the occurrences.
TEST(WriteIndexPagesTest, EachPageIsHeadedAndTitledByItsRangeOfWords) {
  testing::WorkingFolder folder;
  make_folder("htm_out");
  g_run.page_count = 3;
  g_run.page_stems = {"", "page1", "page2", "page3"};
  g_run.all_words_page_file = "f000006.htm";
  g_run.document.title = "Rivers <of> Europe";
  g_run.document.language = "de";
  write_file(kPlacedOccurrencesByWordFile,
             occurrence(1, 1, 1, "abbreviation", "1", "a") + occurrence(1, 1, 2, "bank", "2", "b") +
                 occurrence(2, 1, 3, "blank", "3", "c") + occurrence(3, 2, 4, "blank", "4", "d"));
  write_file(kIndexPagesFile, record_line({page_field(1), index_page_stem(1)}) +
                                  record_line({page_field(2), index_page_stem(2)}));

  write_index_pages();

  const std::string first = read_file("htm_out/in000001.htm");
  const std::string second = read_file("htm_out/in000002.htm");
  EXPECT_TRUE(first.starts_with("<HTML lang=\"de\">\r\n")) << first;
  EXPECT_NE(first.find("<title>\r\nRivers &lt;of&gt; Europe \xE2\x80\x93 index: abbreviation "
                       "\xE2\x80\xA6 blank\r\n</title>"),
            std::string::npos)
      << first;
  EXPECT_NE(first.find("<h1>abbreviation \xE2\x80\xA6 blank</h1>"), std::string::npos) << first;
  EXPECT_NE(second.find("<title>\r\nRivers &lt;of&gt; Europe \xE2\x80\x93 index: blank\r\n"),
            std::string::npos)
      << second;
  EXPECT_NE(second.find("<h1>blank</h1>"), std::string::npos) << second;
  g_run.document = DocumentFacts();
}

}  // namespace
}  // namespace lexiweb
