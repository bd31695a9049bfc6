#include "annotate/page_assembly.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "annotate/annotate_test_inputs.h"
#include "annotate/annotate_words.h"
#include "annotate/assemble_pages.h"
#include "annotate/expected_output_page.h"
#include "annotate/page_lists.h"
#include "common/run_values.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

namespace fs = std::filesystem;
using testing::expected_head;
using testing::expected_navigation;
using testing::expected_rule;
using testing::expected_span;
using testing::Occurrence;
using testing::position_of;
using testing::read_file;
using testing::record_line;
using testing::WorkingFolder;
using testing::write_annotation_inputs;
using testing::write_file;

// Runs both stages over the pages, with the follow-on pages named after the
// last page that holds a word.
void run_stages(const std::vector<std::string>& pages, const std::vector<Occurrence>& occurrences,
                long last_page_with_words) {
  fs::create_directory("htm_out");
  g_run.contents_page_file = output_page_stem(last_page_with_words + 1) + ".htm";
  g_run.about_page_file = output_page_stem(last_page_with_words + 2) + ".htm";
  g_run.all_words_page_file = output_page_stem(last_page_with_words + 3) + ".htm";
  write_annotation_inputs(pages, occurrences);
  annotate_words();
  assemble_pages();
}

TEST(PageAssembly, OnePageLosesItsFrameAndKeepsItsOwnBytes) {
  WorkingFolder folder;
  const std::string paragraph =
      "<p class=\"t\">Water \xC4\x8D"
      "aj</p>";
  const std::string page =
      "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title>w_1</title>\r\n</head>\r\n<body>\r\n" +
      paragraph + "\r\n</body>\r\n</html>\r\n";
  run_stages({page}, {{1, 1, position_of(page, "Water"), 1, 1, "Water"}}, 1);

  const std::string expected =
      expected_head("f000001.htm", expected_rule("i0000000001", "1")) +
      "\r\n\r\n\r\n\r\n<p class=\"t\">" + expected_span("1", "in000001", "i0000000001") +
      "Water</span> \xC4\x8D"
      "aj</p>\r\n\r\n\r\n" +
      expected_navigation("f000002.htm", "", "", "f000003.htm", "f000004.htm");
  EXPECT_EQ(read_file("f000001.htm"), expected);
  EXPECT_EQ(read_file("htm_out/f000001.htm"), expected);
}

TEST(PageAssembly, WordlessMiddlePageGetsNoPageAndIsSkippedByTheLinks) {
  WorkingFolder folder;
  const std::string first = "<p>alpha beta alpha</p>";
  const std::string last = "<p>alpha</p>";
  // Occurrence ids run in word order: the three alphas first, then beta.
  run_stages({first, "<p>1</p>", last},
             {{1, 1, 4, 1, 1, "alpha"},
              {2, 1, 10, 1, 4, "beta"},
              {1, 1, 15, 1, 2, "alpha"},
              {1, 3, 4, 1, 3, "alpha"}},
             3);

  const std::string alpha1 = expected_span("1", "in000001", "i0000000001");
  const std::string alpha2 = expected_span("1", "in000001", "i0000000002");
  const std::string alpha3 = expected_span("1", "in000001", "i0000000003");
  const std::string beta = expected_span("2", "in000001", "i0000000004");
  EXPECT_EQ(
      read_file("f000001.htm"),
      expected_head("f000001.htm", expected_rule("i0000000001", "1") +
                                       expected_rule("i0000000004", "2") +
                                       expected_rule("i0000000002", "1")) +
          "<p>" + alpha1 + "alpha</span> " + beta + "beta</span> " + alpha2 + "alpha</span></p>" +
          expected_navigation("f000004.htm", "", "f000003.htm", "f000005.htm", "f000006.htm"));
  EXPECT_EQ(
      read_file("f000003.htm"),
      expected_head("f000003.htm", expected_rule("i0000000003", "1")) + "<p>" + alpha3 +
          "alpha</span></p>" +
          expected_navigation("f000004.htm", "f000001.htm", "", "f000005.htm", "f000006.htm"));
  EXPECT_FALSE(fs::exists("f000002.htm"));
  EXPECT_FALSE(fs::exists("htm_out/f000002.htm"));
  EXPECT_EQ(read_file("htm_out/f000003.htm"), read_file("f000003.htm"));
  EXPECT_EQ(read_file("par_l_01.txt"), record_line({page_field(1), page_field(1), "f000001"}) +
                                           record_line({page_field(3), page_field(3), "f000003"}));
}

TEST(PageAssembly, MiddlePageOfThreeLinksBothWays) {
  WorkingFolder folder;
  run_stages({"one", "two", "six"},
             {{1, 1, 1, 1, 1, "one"}, {3, 2, 1, 1, 3, "two"}, {2, 3, 1, 1, 2, "six"}}, 3);

  EXPECT_EQ(read_file("f000002.htm"),
            expected_head("f000002.htm", expected_rule("i0000000003", "3")) +
                expected_span("3", "in000001", "i0000000003") + "two</span>" +
                expected_navigation("f000004.htm", "f000001.htm", "f000003.htm", "f000005.htm",
                                    "f000006.htm"));
}

TEST(PageAssembly, PageWhoseOnlyWordStandsInItsTitleKeepsTheEmptySpan) {
  WorkingFolder folder;
  const std::string page = "<html><head><title>Lake</title></head><body><p>..</p></body></html>";
  run_stages({page}, {{1, 1, position_of(page, "Lake"), 1, 1, "Lake"}}, 1);

  EXPECT_EQ(read_file("f000001.htm"),
            expected_head("f000001.htm", expected_rule("i0000000001", "1")) +
                expected_span("1", "in000001", "i0000000001") + "</span><p>..</p>" +
                expected_navigation("f000002.htm", "", "", "f000003.htm", "f000004.htm"));
}

TEST(PageAssembly, EarlierPagesOfHtmOutAreReplacedAndOtherFilesStay) {
  WorkingFolder folder;
  fs::create_directory("htm_out");
  write_file("htm_out/f000009.htm", "old page");
  write_file("htm_out/in000001.htm", "old index");
  write_file("htm_out/page.png", "image");
  write_file("htm_out/notes.txt", "notes");
  run_stages({"word"}, {{1, 1, 1, 1, 1, "word"}}, 1);

  EXPECT_FALSE(fs::exists("htm_out/f000009.htm"));
  EXPECT_FALSE(fs::exists("htm_out/in000001.htm"));
  EXPECT_EQ(read_file("htm_out/page.png"), "image");
  EXPECT_EQ(read_file("htm_out/notes.txt"), "notes");
  EXPECT_EQ(read_file("htm_out/f000001.htm"), read_file("f000001.htm"));
  EXPECT_FALSE(read_file("f000001.htm").empty());
}

TEST(PageAssembly, DocumentWithoutWordsLeavesHtmOutWithoutPages) {
  WorkingFolder folder;
  fs::create_directory("htm_out");
  write_file("htm_out/f000001.htm", "old page");
  run_stages({"<html><body>1 2</body></html>"}, {}, 0);

  EXPECT_FALSE(fs::exists("htm_out/f000001.htm"));
  EXPECT_FALSE(fs::exists("f000001.htm"));
  EXPECT_EQ(read_file("par_l_01.txt"), "");
  EXPECT_EQ(read_file("par_l_02.txt"), "");
  EXPECT_EQ(read_file("in_l_02.txt"), "");
  EXPECT_EQ(read_file("wrd_09.txt"), "");
  for (const auto& entry : fs::directory_iterator(".")) {
    EXPECT_FALSE(entry.path().filename().string().starts_with("wrd_10_"));
  }
}

TEST(PageLists, IndexPageListHoldsEachIndexPageOnce) {
  WorkingFolder folder;
  write_file("in_list.txt", record_line({page_field(2), "in000002"}) +
                                record_line({page_field(1), "in000001"}) +
                                record_line({page_field(1), "in000001"}));
  write_distinct_index_pages();
  EXPECT_EQ(read_file("in_l_02.txt"),
            record_line({page_field(1), "in000001"}) + record_line({page_field(2), "in000002"}));
}

TEST(PageLists, PageOccurrenceFilesFollowPageAndPosition) {
  WorkingFolder folder;
  // wrd_08.txt is in word order; the page files must be in page order.
  const Occurrence bb_first{2, 1, 3, 1, 2, "bb"};
  const Occurrence aa{1, 1, 9, 1, 1, "aa"};
  const Occurrence bb_last{2, 12, 1, 1, 3, "bb"};
  testing::write_occurrence_files({bb_first, aa, bb_last});
  write_page_occurrence_files();

  EXPECT_EQ(read_file("wrd_10_1.txt"),
            testing::occurrence_record(bb_first, 1) + testing::occurrence_record(aa, 2));
  EXPECT_EQ(read_file("wrd_10_12.txt"), testing::occurrence_record(bb_last, 3));
}

}  // namespace
}  // namespace lexiweb
