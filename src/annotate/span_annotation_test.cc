#include "annotate/span_annotation.h"

#include <gtest/gtest.h>

#include "annotate/annotate_test_inputs.h"
#include "annotate/annotate_words.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::Occurrence;
using testing::read_file;
using testing::record_line;
using testing::WorkingFolder;
using testing::write_annotation_inputs;
using testing::write_file;

const std::string kNoMarker = "       ";

// An annotated record of a page character.
std::string page_character(unsigned char byte, long page, long position) {
  return record_line({right_aligned(byte, 5), page_field(page), page_field(position), kNoMarker});
}

std::string page_characters(const std::string& text, long page, long first_position) {
  std::string records;
  for (unsigned char byte : text) records += page_character(byte, page, first_position++);
  return records;
}

// The annotated records of inserted markup.
std::string markup(const std::string& text, long page, const std::string& marker = kNoMarker) {
  std::string records;
  for (unsigned char byte : text) {
    records += record_line({right_aligned(byte, 5), page_field(page), "          ", marker});
  }
  return records;
}

std::string opening(const std::string& word_number, const std::string& id, long page) {
  return markup("<span ", page) +
         markup(" id = \"" + id + "\" class=\"c" + word_number + "\"", page,
                output_page_stem(page)) +
         markup(" type = \"text/javascript\" ondblclick = \"window.open('in000001.htm#" + id +
                    "'); window.event.cancelbubble = true;\" >",
                page);
}

TEST(OpeningMarkup, WordFiveOccurrenceTwelveReadsExactly) {
  OpeningMarkup markup;
  build_opening_markup("       5", "in000001", "i0000000012", &markup);
  EXPECT_EQ(markup.tag + markup.id_and_class + markup.handler,
            "<span  id = \"i0000000012\" class=\"c5\" type = \"text/javascript\" ondblclick = "
            "\"window.open('in000001.htm#i0000000012'); window.event.cancelbubble = true;\" >");
  EXPECT_EQ(markup.id_and_class, " id = \"i0000000012\" class=\"c5\"");
}

TEST(SpanAnnotation, IdAndClassCharactersCarryThePageStem) {
  WorkingFolder folder;
  write_annotation_inputs({"ab", "xyz"}, {{5, 2, 1, 1, 12, "xyz"}});
  write_annotated_list();

  std::string expected = page_characters("ab", 1, 1) + markup("<span ", 2) +
                         markup(" id = \"i0000000012\" class=\"c5\"", 2, "f000002") +
                         markup(
                             " type = \"text/javascript\" ondblclick = \"window.open('"
                             "in000001.htm#i0000000012'); window.event.cancelbubble = true;\" >",
                             2) +
                         page_characters("xyz", 2, 1) + markup("</span>", 2);
  EXPECT_EQ(read_file("htm_01.txt"), expected);
  // Spot check of the record form itself: the first inserted character.
  EXPECT_NE(read_file("htm_01.txt").find("\"   60\",\"         2\",\"          \",\"       \"\r\n"),
            std::string::npos);
}

TEST(SpanAnnotation, OneLetterWordClosesAtOnceAndNeighboursStaySeparate) {
  WorkingFolder folder;
  // "x" and "ab" separated by one blank, then "cd" ending the page: the last
  // occurrence of the document is closed like every other.
  write_annotation_inputs({"x ab cd"},
                          {{3, 1, 1, 1, 3, "x"}, {1, 1, 3, 1, 1, "ab"}, {2, 1, 6, 1, 2, "cd"}});
  write_annotated_list();

  std::string expected =
      opening("3", "i0000000003", 1) + page_characters("x", 1, 1) + markup("</span>", 1) +
      page_characters(" ", 1, 2) + opening("1", "i0000000001", 1) + page_characters("ab", 1, 3) +
      markup("</span>", 1) + page_characters(" ", 1, 5) + opening("2", "i0000000002", 1) +
      page_characters("cd", 1, 6) + markup("</span>", 1);
  EXPECT_EQ(read_file("htm_01.txt"), expected);
}

TEST(SpanAnnotation, WithoutOccurrencesEveryCharacterPassesWithABlankMarker) {
  WorkingFolder folder;
  write_annotation_inputs({"a\"b\r\n"}, {});
  annotate_words();

  std::string expected = page_characters("a\"b\r\n", 1, 1);
  EXPECT_EQ(read_file("htm_01.txt"), expected);
  EXPECT_EQ(read_file("htm_02.txt"), expected);
}

TEST(SpanAnnotation, AnOccurrenceThatIsNeverMetHoldsBackTheRest) {
  WorkingFolder folder;
  write_annotation_inputs({"ab cd"}, {{1, 1, 99, 1, 1, "zz"}, {2, 1, 4, 1, 2, "cd"}});
  write_annotated_list();

  EXPECT_EQ(read_file("htm_01.txt"), page_characters("ab cd", 1, 1));
}

TEST(SpanAnnotation, MultiByteCharactersAreCountedByteForByte) {
  WorkingFolder folder;
  const std::string word =
      "\xC5\xBE"
      "aba";  // "žaba" in UTF-8: four letters, five bytes
  write_annotation_inputs({word + "!"}, {{1, 1, 1, 1, 1, word}});
  write_annotated_list();

  EXPECT_EQ(read_file("htm_01.txt"), opening("1", "i0000000001", 1) + page_characters(word, 1, 1) +
                                         markup("</span>", 1) + page_characters("!", 1, 6));
}

}  // namespace
}  // namespace lexiweb
