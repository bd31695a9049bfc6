#include "scan/style_script_removal.h"

#include <gtest/gtest.h>

#include "common/run_values.h"
#include "scan/character_list_for_tests.h"
#include "scan/tag_separation.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::character_line;
using testing::read_file;
using testing::record_line;
using testing::record_of;
using testing::write_character_list;

// Runs the tag steps over the pages up to the merged delimiter list.
void scan_tags(const std::vector<std::string>& pages) {
  write_character_list(pages);
  write_delimiter_list();
  write_tag_character_file();
  strip_style_script();
  merge_element_ranges();
}

std::string tag_record(long page, long start, long end, const std::string& text) {
  return record_line(
      {right_aligned(page, 10), right_aligned(start, 10), right_aligned(end, 10), text});
}

std::string range(long page, long start, long end) {
  return record_of(60, page, start, "     ") + record_of(62, page, end, "     ");
}

long position_of(const std::string& page, const std::string& text, size_t from = 0) {
  return static_cast<long>(page.find(text, from)) + 1;
}

TEST(TagRecords, HoldPageBothPositionsAndTheTextBetweenTheDelimiters) {
  testing::WorkingFolder folder;
  scan_tags({"x", "<p class=\"a\">x</p>"});

  EXPECT_EQ(read_file("htm_el_2.txt"),
            tag_record(2, 1, 13, "p class= a ") + tag_record(2, 15, 18, "/p"));
}

TEST(TagRecords, CutTheTextAfter59RecordsCountingALineFeedThatAddsNothing) {
  testing::WorkingFolder folder;
  scan_tags({"<" + std::string(30, 'a') + "\n" + std::string(40, 'b') + ">"});

  EXPECT_EQ(read_file("htm_el_2.txt"),
            tag_record(1, 1, 73, std::string(30, 'a') + std::string(28, 'b')));
}

// Only the outer delimiters of an element stay in the merged list.
TEST(ElementRanges, MatchCapitalsAttributesAndTwoElementsOnOnePage) {
  testing::WorkingFolder folder;
  const std::string page = "<STYLE type=\"text/css\">p{}</Style><p>x</p><stylesheet>q</style >";
  scan_tags({"<p>", page});

  const long first_end = position_of(page, "</Style>") + 7;
  const long second_start = position_of(page, "<stylesheet>");
  EXPECT_EQ(read_file("tag_3.txt"),
            range(2, 1, first_end) + range(2, second_start, static_cast<long>(page.size())));
  EXPECT_EQ(g_run.style_tag_count, 4);
  EXPECT_EQ(g_run.script_tag_count, 0);
  EXPECT_EQ(read_file("tag_4.txt"),
            character_line(1, 1, '<') + character_line(1, 3, '>') + character_line(2, 1, '<') +
                character_line(2, first_end, '>') + character_line(2, first_end + 1, '<') +
                character_line(2, first_end + 3, '>') + character_line(2, first_end + 5, '<') +
                character_line(2, first_end + 8, '>') + character_line(2, second_start, '<') +
                character_line(2, static_cast<long>(page.size()), '>'));
}

TEST(ElementRanges, AScriptInsideAStyleBelongsToTheStyle) {
  testing::WorkingFolder folder;
  const std::string page = "<style><script>a</script></style><SCRIPT src=x>b</script>";
  scan_tags({page});

  const long style_end = position_of(page, "</style>") + 7;
  const long script_start = position_of(page, "<SCRIPT");
  EXPECT_EQ(read_file("tag_3.txt"),
            range(1, 1, style_end) + range(1, script_start, static_cast<long>(page.size())));
  EXPECT_EQ(g_run.style_tag_count, 2);
  EXPECT_EQ(g_run.script_tag_count, 2);
}

TEST(ElementRanges, AnUnclosedElementGivesNoRangeAndLeavesTheDelimitersWhole) {
  testing::WorkingFolder folder;
  scan_tags({"<p>a<script>abc<p>"});

  EXPECT_EQ(read_file("tag_3.txt"), "");
  EXPECT_EQ(g_run.script_tag_count, 1);
  EXPECT_EQ(read_file("tag_4.txt"), read_file("tag_2.txt"));
  EXPECT_NE(read_file("tag_4.txt"), "");
}

TEST(ElementRanges, AnElementOverTwoPagesGivesNoRange) {
  testing::WorkingFolder folder;
  scan_tags({"<style>x", "y</style>"});

  EXPECT_EQ(read_file("tag_3.txt"), "");
  EXPECT_EQ(g_run.style_tag_count, 2);
  EXPECT_EQ(read_file("tag_4.txt"), read_file("tag_2.txt"));
}

TEST(ElementRanges, PagesWithoutElementsResetTheCountersAndCopyTheList) {
  testing::WorkingFolder folder;
  g_run.style_tag_count = 3;
  g_run.script_tag_count = 3;
  scan_tags({"<p>a</p>"});

  EXPECT_EQ(g_run.style_tag_count, 0);
  EXPECT_EQ(g_run.script_tag_count, 0);
  EXPECT_EQ(read_file("tag_3.txt"), "");
  EXPECT_EQ(read_file("tag_4.txt"), read_file("tag_2.txt"));
}

}  // namespace
}  // namespace lexiweb
