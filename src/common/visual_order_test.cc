#include "common/visual_order.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

std::string logical(std::string_view visual) {
  std::string out;
  append_logical_order(visual, fragment_direction(visual), out);
  return out;
}

// The visual strings are as pdftohtml writes polyglossia's Arabic example.
TEST(VisualOrder, ArabicComesBackInReadingOrderWithItsNumbersAndLatinWords) {
  EXPECT_EQ(logical("ةيبرعلا ةغللا معد رابتخا"), "اختبار دعم اللغة العربية");
  // Digits, Arabic-Indic or European, keep the order they are drawn in.
  EXPECT_EQ(logical("٢٠٢٢ يناثلا نيرشت ٢٩"), "٢٩ تشرين الثاني ٢٠٢٢");
  EXPECT_EQ(logical("2022 يناثلا نيرشت 29"), "29 تشرين الثاني 2022");
  EXPECT_EQ(logical("ةملك PDF file ةملك"), "كلمة PDF file كلمة");
}

TEST(VisualOrder, HebrewComesBackInReadingOrder) {
  EXPECT_EQ(logical("םולש םלוע"), "עולם שלום");
  EXPECT_EQ(logical("3 קרפ"), "פרק 3");
}

TEST(VisualOrder, ReferencesMoveWholeAsOneCharacter) {
  EXPECT_EQ(logical("ةغللا&#160;معد"), "دعم&#160;اللغة");
  EXPECT_EQ(logical("ب&amp;أ"), "أ&amp;ب");
}

TEST(VisualOrder, ArabicWordInsideLatinTextTurnsAloneAndKeepsTheLineLeftToRight) {
  EXPECT_EQ(fragment_direction("The word ابحرم means hello"), FragmentDirection::kLeftToRight);
  EXPECT_EQ(logical("The word ابحرم means hello"), "The word مرحبا means hello");
}

TEST(VisualOrder, TextWithoutRightToLeftLettersKeepsEveryByte) {
  for (std::string_view text :
       {std::string_view("Hello, world (1) &#160;&amp; 3.14 — é ü 漢字"), std::string_view("\xff\xfe"),
        std::string_view("")}) {
    EXPECT_EQ(fragment_direction(text), FragmentDirection::kNoRightToLeft);
    EXPECT_EQ(logical(text), text);
  }
  // Letters inside tags are not the fragment's text.
  EXPECT_EQ(fragment_direction("<a href=\"#ابحرم\">link</a>"), FragmentDirection::kNoRightToLeft);
}

TEST(VisualOrder, BytesThatAreNotUtf8StayInRightToLeftText) {
  EXPECT_EQ(logical("ب\xff أ"), "أ \xffب");
}

}  // namespace
}  // namespace lexiweb
