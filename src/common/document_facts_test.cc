#include "common/document_facts.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

TEST(DocumentFacts, WritesOnlyThePagesInAnotherLanguageAndReadsThemBack) {
  DocumentFacts facts;
  facts.title = "Grüße\r\naus\tBern";
  facts.language = "de";
  facts.page_languages = {"de", "", "fr", "de"};
  const std::string bytes = format_document_facts(facts);
  EXPECT_EQ(bytes, "title Grüße  aus Bern\r\nlanguage de\r\npage 3 fr\r\nend\r\n");

  DocumentFacts back;
  ASSERT_TRUE(parse_document_facts(bytes, &back));
  EXPECT_EQ(back.title, "Grüße  aus Bern");
  EXPECT_EQ(back.language_of_page(1), "de");
  EXPECT_EQ(back.language_of_page(3), "fr");
  EXPECT_EQ(back.language_of_page(4), "de");
  EXPECT_EQ(back.language_of_page(99), "de");
}

TEST(DocumentFacts, AnUnknownLanguageIsLeftOutAndATagCannotLeaveItsAttribute) {
  DocumentFacts facts;
  facts.title = "";
  facts.language = "\"><script>";
  const std::string bytes = format_document_facts(facts);
  EXPECT_EQ(bytes, "title \r\nlanguage script\r\nend\r\n");
  facts.language.clear();
  EXPECT_EQ(format_document_facts(facts), "title \r\nend\r\n");
  DocumentFacts back;
  ASSERT_TRUE(parse_document_facts(format_document_facts(facts), &back));
  EXPECT_EQ(back.language_of_page(1), "");
}

TEST(DocumentFacts, ACutOrForeignFileIsNoFile) {
  DocumentFacts back;
  EXPECT_FALSE(parse_document_facts("title A\r\nlanguage en\r\n", &back));
  EXPECT_FALSE(parse_document_facts("title A\r\nend", &back));
  EXPECT_FALSE(parse_document_facts("<html>\r\nend\r\n", &back));
  EXPECT_FALSE(parse_document_facts("title A\r\npage x en\r\nend\r\n", &back));
  EXPECT_FALSE(parse_document_facts("", &back));
}

}  // namespace
}  // namespace lexiweb
