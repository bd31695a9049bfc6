#include "scan/tag_separation.h"

#include <gtest/gtest.h>

#include "scan/character_list_for_tests.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::character_line;
using testing::read_file;
using testing::record_of;
using testing::write_character_list;
using testing::write_file;

// A delimiter record of the character list.
std::string delimiter(long page, long position, char kind) {
  return character_line(page, position, static_cast<unsigned char>(kind));
}

TEST(DelimiterSelection, KeepsDelimitersInCodeOrderThenSortsThemIntoDocumentOrder) {
  testing::WorkingFolder folder;
  write_character_list({"a>b<c>", "no tags here"});

  select_delimiters();
  EXPECT_EQ(read_file("tag_1.txt"),
            delimiter(1, 4, '<') + delimiter(1, 2, '>') + delimiter(1, 6, '>'));

  sort_delimiters_into_document_order();
  EXPECT_EQ(read_file("tag_2.txt"),
            delimiter(1, 2, '>') + delimiter(1, 4, '<') + delimiter(1, 6, '>'));
}

TEST(PairFilter, AMismatchDropsThePairAndTheRecordAfterIt) {
  testing::WorkingFolder folder;
  const std::string input = delimiter(1, 1, '<') + delimiter(1, 3, '>') + delimiter(1, 4, '>') +
                            delimiter(1, 6, '<') + delimiter(1, 8, '>');
  write_file("tag_2.txt", input);

  filter_delimiter_pairs();

  EXPECT_EQ(read_file("tag_2_1.txt"), input);
  const std::string kept = delimiter(1, 1, '<') + delimiter(1, 3, '>');
  EXPECT_EQ(read_file("tag_2_2.txt"), kept);
  EXPECT_EQ(read_file("tag_2.txt"), kept);
}

TEST(PairFilter, APairAcrossAPageBoundaryFailsAndTheFilterRealignsAfterThreeRecords) {
  testing::WorkingFolder folder;
  write_file("tag_2.txt", delimiter(1, 5, '<') + delimiter(2, 3, '>') + delimiter(2, 7, '<') +
                              delimiter(2, 10, '<') + delimiter(2, 12, '>'));

  filter_delimiter_pairs();

  EXPECT_EQ(read_file("tag_2.txt"), delimiter(2, 10, '<') + delimiter(2, 12, '>'));
}

TEST(PairFilter, ALoneLastRecordMeetsAnEmptyPartnerAndIsDropped) {
  testing::WorkingFolder folder;
  write_file("tag_2.txt", delimiter(1, 1, '<') + delimiter(1, 2, '>') + delimiter(1, 5, '<'));

  filter_delimiter_pairs();

  EXPECT_EQ(read_file("tag_2.txt"), delimiter(1, 1, '<') + delimiter(1, 2, '>'));
}

TEST(AlternationFilter, PassesALeadingGreaterThanThenOnlyTheOtherKind) {
  testing::WorkingFolder folder;
  write_file("tag_2.txt", delimiter(1, 1, '>') + delimiter(1, 2, '>') + delimiter(1, 3, '<') +
                              delimiter(1, 4, '<') + delimiter(1, 5, '>'));

  filter_delimiter_alternation();

  const std::string passed = delimiter(1, 1, '>') + delimiter(1, 3, '<') + delimiter(1, 5, '>');
  EXPECT_EQ(read_file("tag_temp.txt"), passed);
  EXPECT_EQ(read_file("tag_2.txt"), passed);
}

// The control line puts the tag text in column 29, after the two positions.
TEST(TagCharacterFile, QuotesBecomeBlanksAndLineBreaksEmptyCharacters) {
  testing::WorkingFolder folder;
  write_character_list({"plain", "ab<p x=\"1\" y='2'\r\n>cd<i>"});
  write_delimiter_list();

  write_tag_character_file();

  auto at = [](int code, long position, const std::string& character) {
    return record_of(code, 2, position, character);
  };
  EXPECT_EQ(read_file("htm_el_1.txt"),
            at(60, 3, "<") + at(112, 4, "p") + at(32, 5, " ") + at(120, 6, "x") + at(61, 7, "=") +
                at(32, 8, " ") + at(49, 9, "1") + at(32, 10, " ") + at(32, 11, " ") +
                at(121, 12, "y") + at(61, 13, "=") + at(32, 14, " ") + at(50, 15, "2") +
                at(32, 16, " ") + at(13, 17, "") + at(10, 18, "") + at(62, 19, ">") +
                at(60, 22, "<") + at(105, 23, "i") + at(62, 24, ">"));
  EXPECT_EQ(read_file("tag_control.txt"),
            "         3            19    <p x= 1  y= 2 >\r\r\n"
            "        22            24    <i>\r\r\n");
}

TEST(TagCharacterFile, NoDelimitersGiveEmptyFiles) {
  testing::WorkingFolder folder;
  write_character_list({"just text", "more text"});
  write_delimiter_list();

  write_tag_character_file();

  EXPECT_EQ(read_file("tag_2.txt"), "");
  EXPECT_EQ(read_file("htm_el_1.txt"), "");
  EXPECT_EQ(read_file("tag_control.txt"), "");
}

}  // namespace
}  // namespace lexiweb
