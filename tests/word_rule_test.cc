// The words of a site under the reader's word rule, end to end: lexiweb-pages
// on a converted page written here, in several scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "testing/program_run.h"
#include "testing/working_folder.h"

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

// Builds the site of one converted page whose text is `text` and returns
// the entries of its all-words page, one a line.
std::string all_words_entries(const std::string& text, const std::string& rule = "") {
  WorkingFolder folder;
  const fs::path work = folder.path() / "work";
  fs::create_directories(work / "htm_in");
  write_file(work / "htm_in" / "index.htm", "<a href=\"page1.html\">page1</a><br>\n");
  write_file(
      work / "htm_in" / "page1.htm",
      "<html><body>\n<p style=\"position:absolute;top:10px\">" + text + "</p>\n</body></html>\n");
  ProgramSetup setup;
  setup.arguments = {work.string()};
  if (!rule.empty()) setup.environment = {"LEXIWEB_WORDS=" + rule};
  const ProgramRun run =
      finish_program_run(start_program_run(LEXIWEB_PAGES_BINARY, folder.path(), "", setup));
  EXPECT_EQ(run.exit_status, 0) << run.errors;
  // Page 1, then the contents, about and all-words pages.
  const std::string page = read_file(work / "htm_out" / "f000004.htm");
  static const std::regex entry(
      "<li><a href=\"in\\d{6}\\.htm#i\\d{10}\" ><span  id=\"i\\d{10}\" > "
      "([^<]*)</span>");
  std::string entries;
  for (std::sregex_iterator it(page.begin(), page.end(), entry), end; it != end; ++it) {
    entries += (*it)[1].str() + "\n";
  }
  return entries;
}

// ICU's root collation of the folded words: digits first, accented letters
// with their bare ones, Ł with L, Greek and Cyrillic after Latin; the case
// forms of a word share one entry, spelled as its first occurrence.
TEST(ReaderWordRule, AllWordsPageFollowsTheRootCollationOfTheFoldedWords) {
  EXPECT_EQ(all_words_entries("Zebra &#321;&#xF3;d&#378; &#201;TAT &#233;tat "
                              "Étoile ZEBRA Apple ecole École 10th Ωmega Яблоко без БЕЗ "
                              "ŚRODOWISK środowisk Straße STRASSE ﬁle FILE"),
            "10th\nApple\necole\nÉcole\n&#201;TAT\nÉtoile\nﬁle\n&#321;&#xF3;d&#378;\n"
            "ŚRODOWISK\nStraße\nZebra\nΩmega\nбез\nЯблоко\n");
}

// The byte rule's word records are those of its first version, whose sort
// cut each line at 4,000 bytes: a word of 4,500 bytes, the first field of its
// record, keeps its 3,999 bytes after the opening quote. A key field in front
// of it, even an empty one, would cut it three bytes sooner.
TEST(ByteWordRule, ALongWordIsCutWhereTheFirstVersionCutIt) {
  const std::string word(4500, 'w');
  EXPECT_EQ(all_words_entries("short " + word, "bytes"), "short\n" + std::string(3999, 'w') + "\n");
}

}  // namespace
}  // namespace lexiweb::testing
