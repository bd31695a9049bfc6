#include "convert/document_facts_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/text_language.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::WorkingFolder;
using testing::write_file;

const std::string kFrench =
    "Le petit village se trouve au bord de la rivi&#232;re, entre les collines couvertes de "
    "vignes. Chaque matin, les habitants se rendent au march&#233; pour acheter du pain frais, "
    "des l&#233;gumes et du fromage. Les enfants vont &#224; l'&#233;cole &#224; pied, et le "
    "soir les familles se retrouvent sur la place pour parler de la journ&#233;e.";
const std::string kJapanese =
    "日本語の文章は、漢字と平仮名と片仮名を組み合わせて書かれます。この文書は、言語を自動的に"
    "判定するための試験として用意されたものです。毎朝、人々は駅まで歩いて電車に乗り、会社や学校へ"
    "向かいます。週末には家族で公園に出かけたり、友達と食事をしたりして過ごします。";
const std::string kEnglish =
    "The river runs through the old town, past the market square and the church. Every "
    "morning the people of the town walk to the station and take the train to work, and in "
    "the evening they come back to their families and talk about the day they have had.";

std::string page(const std::string& text) {
  // The converter's pages: styles and scripts hold no text of the page.
  return "<html><head><style>p{font-family:Times}</style><script>var anglais = 'the and of';"
         "</script></head><body><p style=\"top:1px\">" +
         text + "</p></body></html>";
}

std::vector<std::string> pages_of(const std::vector<std::string>& texts) {
  std::vector<std::string> files;
  for (const std::string& text : texts) {
    files.push_back("page" + std::to_string(files.size() + 1) + ".html");
    write_file(files.back(), page(text));
  }
  return files;
}

TEST(DocumentLanguage, TheTextTellsTheLanguageOfAPdfThatNamesNone) {
  WorkingFolder folder;
  EXPECT_EQ(choose_document_facts(pages_of({kFrench, kFrench}), {}, "", "a.pdf").language, "fr");
  EXPECT_EQ(choose_document_facts(pages_of({kJapanese}), {}, "", "a.pdf").language, "ja");
  EXPECT_EQ(choose_document_facts(pages_of({""}), {}, "", "a.pdf").language, "");
  // Pages too short for CLD2 to be sure of: most of what it found all the same.
  const std::string arabic = "اختبار دعم اللغة العربية";
  EXPECT_EQ(choose_document_facts(pages_of({arabic, arabic}), {}, "", "a.pdf").language, "ar");
}

TEST(DocumentLanguage, ThePdfsOwnLanguageWinsAndAPageInAnotherKeepsItsOwn) {
  WorkingFolder folder;
  DocumentFacts own;
  own.language = "en-GB";
  const DocumentFacts facts =
      choose_document_facts(pages_of({kEnglish, kFrench, "Fin."}), own, "", "a.pdf");
  EXPECT_EQ(facts.language, "en-GB");
  EXPECT_EQ(facts.language_of_page(1), "en-GB");
  EXPECT_EQ(facts.language_of_page(2), "fr");
  EXPECT_EQ(facts.language_of_page(3), "en-GB");  // too little text to tell

  own.language = "en-US";  // a tool's default over a text all in French
  EXPECT_EQ(choose_document_facts(pages_of({kFrench, kFrench}), own, "", "a.pdf").language, "fr");

  own.language = "x-none";  // names no language: the text does
  EXPECT_EQ(choose_document_facts(pages_of({kFrench}), own, "", "a.pdf").language, "fr");
}

TEST(DocumentTitle, APdfTitleThatIsAFileNameGivesWayToTheOutlineAndThenTheFileName) {
  WorkingFolder folder;
  const std::string outline =
      "<body>\n<a name=\"outline\"></a><h1>Document Outline</h1>\n<ul>\n"
      "<li><a href=\"page-1.html\">Rivers &amp;  Towns</a>\n<ul>\n"
      "<li><a href=\"page-2.html\">Sources</a></li>\n</ul>\n</li>\n</ul>\n</body>";
  DocumentFacts own;
  own.title = "A  Guide to\r\nRivers";
  EXPECT_EQ(choose_document_facts({}, own, outline, "guide.pdf").title, "A Guide to Rivers");
  own.title = "Microsoft Word - guide.docx";
  EXPECT_EQ(choose_document_facts({}, own, outline, "guide.pdf").title, "Rivers & Towns");
  own.title = "guide.dvi";
  EXPECT_EQ(choose_document_facts({}, own, "", "pdf_in/River Guide.PDF").title, "River Guide");
}

TEST(DocumentTitle, RealTitlesAndTheJunkThatProgramsLeave) {
  EXPECT_TRUE(is_real_title("An Introduction to R", "R-intro.pdf"));
  EXPECT_TRUE(is_real_title("Grundlagen der Mathematik 2.0", "g.pdf"));
  EXPECT_TRUE(is_real_title("日本語の手引き", "a.pdf"));
  EXPECT_FALSE(is_real_title("", "a.pdf"));
  EXPECT_FALSE(is_real_title(" - ", "a.pdf"));
  EXPECT_FALSE(is_real_title("Untitled", "a.pdf"));
  EXPECT_FALSE(is_real_title("untitled-3", "a.pdf"));
  EXPECT_FALSE(is_real_title("R-intro", "R-intro.pdf"));
  EXPECT_FALSE(is_real_title("Microsoft PowerPoint - talk.ppt", "talk.pdf"));
  EXPECT_FALSE(is_real_title("main.tex", "paper.pdf"));
  EXPECT_FALSE(is_real_title("C:\\Users\\me\\report", "paper.pdf"));
}

// CLD2 answers English for a text it finds no language in (digits, or the
// reversed Arabic that a converter writes in visual order): no language.
TEST(TextLanguage, WhatCld2FindsNothingInIsNoLanguageRatherThanEnglish) {
  EXPECT_EQ(identify_language("").tag, "");
  EXPECT_EQ(identify_language("12 3.14 2024 -- ٢٠٢٢").tag, "");
  EXPECT_EQ(identify_language("ةيبرعلا ةغللا معد رابتخا").tag, "");
  EXPECT_EQ(identify_language(kEnglish).tag, "en");
}

TEST(PageText, LeavesOutTagsStylesAndScriptsAndReadsReferences) {
  std::string text;
  append_page_text(
      "<head><STYLE type=x>a{}</STYLE ><script>x<y</script></head>"
      "<p>caf&#233; &amp; th&eacute;</p><scripted>z",
      text);
  EXPECT_EQ(text, "     café & th&eacute;  z");
}

}  // namespace
}  // namespace lexiweb
