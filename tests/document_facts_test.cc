// The document's language and title on every page of its site, end to end:
// the PDF's own /Lang and Title, the language of a text whose PDF names
// none, and the titles that tell the pages apart.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "e2e_support.h"
#include "tools/pdf_writer.h"

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

const std::string kCompleteRunInput = kKeysToInput + "\n" + "\n" + "\n";

// The lang of the page's <HTML> element, or "none".
std::string html_lang(const fs::path& page) {
  static const std::regex opening("^<HTML(?: lang=\"([^\"]*)\")?>");
  std::smatch match;
  const std::string html = read_file(page);
  if (!std::regex_search(html, match, opening)) return "no HTML element";
  return match[1].matched ? match[1].str() : "none";
}

std::string title_of(const fs::path& page) {
  static const std::regex title("<title>\r\n([^\r]*)\r\n</title>");
  std::smatch match;
  const std::string html = read_file(page);
  return std::regex_search(html, match, title) ? match[1].str() : "no title";
}

// Every page of the site: document pages, index page, contents, about, all words.
std::vector<fs::path> site_pages() {
  std::vector<fs::path> pages;
  for (const auto& entry : fs::directory_iterator("htm_out")) {
    if (entry.path().extension() == ".htm") pages.push_back(entry.path());
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

TEST(DocumentFacts, ThePdfsOwnLanguageAndTitleReachEveryPage) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  const std::string pdf = make_pdf(
      {PdfPage{{"Rivers carry water to the sea"}, {}}, PdfPage{{"A sea of rivers and water"}, {}}});
  write_file("pdf_in/rivers.pdf", with_language_and_title(pdf, "en-GB", "Rivers & Seas – a guide"));

  const ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;

  EXPECT_EQ(read_file("htm_in/document-facts.txt"),
            "title Rivers & Seas – a guide\r\nlanguage en-GB\r\nend\r\n");
  const std::vector<fs::path> pages = site_pages();
  ASSERT_EQ(pages.size(), 6u);  // two pages, one index page, three final pages
  std::set<std::string> titles;
  for (const fs::path& page : pages) {
    EXPECT_EQ(html_lang(page), "en-GB") << page;
    titles.insert(title_of(page));
  }
  // The about page's text is the program's own, in the labels' language.
  EXPECT_NE(read_file("htm_out/f000004.htm").find("<main id=\"lexiweb-main\" lang=\"en\">"),
            std::string::npos);
  EXPECT_EQ(titles, (std::set<std::string>{
                        "Rivers &amp; Seas – a guide – page 1",
                        "Rivers &amp; Seas – a guide – page 2",
                        "Rivers &amp; Seas – a guide – contents",
                        "Rivers &amp; Seas – a guide – about",
                        "Rivers &amp; Seas – a guide – all words",
                        "Rivers &amp; Seas – a guide – index: and … water",
                    }));
}

TEST(DocumentFacts, AFrenchPdfThatNamesNoLanguageIsFoundFrenchAndTitledByItsFileName) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/Le village.pdf",
            {PdfPage{{"Le petit village se trouve au bord de la rivière, entre les collines",
                      "couvertes de vignes. Chaque matin, les habitants se rendent au marché",
                      "pour acheter du pain frais, des légumes et du fromage. Les enfants vont",
                      "à l'école à pied, et le soir les familles se retrouvent sur la place."},
                     {}}});

  const ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;

  EXPECT_EQ(html_lang("htm_out/f000001.htm"), "fr");
  EXPECT_EQ(html_lang("htm_out/in000001.htm"), "fr");
  EXPECT_EQ(title_of("htm_out/f000001.htm"), "Le village – page 1");
}

// A site rebuilt from converted pages that came without the facts (by hand,
// or by an older lexiweb) finds them in the pages: here Japanese.
TEST(DocumentFacts, JapanesePagesWithoutTheFactsFileAreFoundJapanese) {
  WorkingFolder folder;
  fs::create_directories("work/htm_in");
  write_file("work/htm_in/index.htm", "<a href=\"page1.html\">page1</a><br>\n");
  write_file("work/htm_in/page1.htm",
             "<html><body>\n<p style=\"position:absolute;top:10px\">"
             "日本語の文章は、漢字と平仮名と片仮名を組み合わせて書かれます。この文書は、言語を自動"
             "的に判定するための試験として用意されたものです。毎朝、人々は駅まで歩いて電車に乗り、"
             "会社や学校へ向かいます。週末には家族で公園に出かけたり、友達と食事をしたりして過ご"
             "します。</p>\n</body></html>\n");
  const ProgramRun run = run_program(LEXIWEB_PAGES_BINARY, folder.path(), "", "", {"work"});
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(html_lang("work/htm_out/f000001.htm"), "ja");
  EXPECT_EQ(title_of("work/htm_out/f000001.htm"), "work – page 1");
  EXPECT_FALSE(fs::exists("work/htm_in/document-facts.txt"));
}

}  // namespace
}  // namespace lexiweb::testing
