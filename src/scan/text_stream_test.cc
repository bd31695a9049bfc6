#include "scan/text_stream.h"

#include <gtest/gtest.h>

#include "scan/character_list_for_tests.h"
#include "scan/style_script_removal.h"
#include "scan/tag_separation.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::character_line;
using testing::character_lines;
using testing::read_file;
using testing::separator_line;
using testing::write_character_list;

void scan_text(const std::vector<std::string>& pages) {
  write_character_list(pages);
  write_delimiter_list();
  write_tag_character_file();
  strip_style_script();
  merge_element_ranges();
  write_text_stream();
}

TEST(TextStream, EveryTagBecomesOneSeparatorIncludingTheLast) {
  testing::WorkingFolder folder;
  scan_text({"ab<i>cd</i>ef"});

  EXPECT_EQ(read_file("wrd_1.txt"), character_lines(1, "ab") + separator_line() +
                                        character_lines(1, "cd", 6) + separator_line() +
                                        character_lines(1, "ef", 12));
}

TEST(TextStream, AdjacentTagsLeaveOnlyTheirSeparators) {
  testing::WorkingFolder folder;
  scan_text({"<a><b>x</b>"});

  EXPECT_EQ(read_file("wrd_1.txt"),
            separator_line() + separator_line() + character_line(1, 7, 'x') + separator_line());
}

TEST(TextStream, TextAfterTheLastTagOfAPageAndPagesWithoutTagsAreLeftOut) {
  testing::WorkingFolder folder;
  scan_text({"a<b>c\r\n", "no tags", "d<i>e\r\n"});

  EXPECT_EQ(read_file("wrd_1.txt"), character_line(1, 1, 'a') + separator_line() +
                                        character_line(3, 1, 'd') + separator_line() +
                                        character_lines(3, "e\r\n", 5));
}

TEST(TextStream, AStyleElementIsSkippedAsOneTag) {
  testing::WorkingFolder folder;
  scan_text({"x<style>a b</style>y<p>z"});

  EXPECT_EQ(read_file("wrd_1.txt"), character_line(1, 1, 'x') + separator_line() +
                                        character_line(1, 20, 'y') + separator_line() +
                                        character_line(1, 24, 'z'));
}

TEST(TextStream, NoTagsGiveAnEmptyStream) {
  testing::WorkingFolder folder;
  scan_text({"only text"});

  EXPECT_EQ(read_file("wrd_1.txt"), "");
}

}  // namespace
}  // namespace lexiweb
