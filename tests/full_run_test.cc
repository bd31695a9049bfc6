// End-to-end runs of the whole program on PDFs the tests write themselves.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "driver/scratch_files.h"
#include "e2e_support.h"
#include "tools/pdf_writer.h"
#include "typeset/face_file.h"

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

// Keys and answers of a complete run: past the banner, the font advice and
// the information screen, Enter for the magnification, the target site, and
// a key at the results screen.
const std::string kCompleteRunInput = kKeysToInput + "\n" + "www.example.org\n" + "\n";

std::string results_screen(long words) {
  return "\n"
         "============ RESULTS ============\n"
         "words in *.pdf file = " +
         std::to_string(words) +
         "\n"
         "\n"
         "view subfolder: htm_out\n"
         "You can access the index of all words by double-clicking on any word.\n"
         "details: https://lexiweb.example.org/details.html\n"
         "\n"
         "<...> any key to continue and end\n";
}

std::string progress_lines(int pages) {
  return "\n"
         "number of *.htm files = " +
         std::to_string(pages) +
         "\n"
         "----------------------------\n"
         "processed 1%\n"
         "processed 10%\n"
         "processed 20%\n"
         "processed 30%\n"
         "processed 40%\n"
         "processed 60%\n"
         "processed 80%\n"
         "processed 100%\n";
}

std::set<std::string> files_in(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Sixteen words of three letters or more (or numbers), over three pages;
// the double quote on page 2 separates Water from Fall.
std::vector<PdfPage> three_page_document() {
  return {PdfPage{{"Rivers carry water to the sea"}, {}},
          PdfPage{{"The river Water\"Fall runs 42 miles"}, {}},
          PdfPage{{"A sea of rivers and water"}, {}}};
}

TEST(FullRunTest, ConvertsAPdfWhoseNameHoldsABlankAndCleansUp) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/three pages.pdf", three_page_document());
  write_file("notes.txt", "the user's notes");
  write_file("index.htm", "<p>the user's page</p>");

  ProgramRun run = run_lexiweb(kCompleteRunInput);

  EXPECT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.output, kChecksPassed +
                            "\n"
                            "file in subfolder pdf_in = three pages.pdf\n"
                            "        1 file(s) copied.\n" +
                            kMagnificationScreen + kTargetSiteScreen + progress_lines(3) +
                            results_screen(16));

  // Only the run's own scratch files are gone.
  EXPECT_EQ(files_in("."),
            (std::set<std::string>{"htm_in", "htm_in_02.list", "htm_out", "index.htm", "notes.txt",
                                   "out_null.list", "pdf_in", "three pages.pdf"}));
  EXPECT_EQ(read_file("notes.txt"), "the user's notes");
  EXPECT_EQ(read_file("htm_in_02.list"), "page1.htm\r\npage2.htm\r\npage3.htm\r\n");
  EXPECT_EQ(files_in("htm_out"),
            (std::set<std::string>{"f000001.htm", "f000002.htm", "f000003.htm", "f000004.htm",
                                   "f000005.htm", "f000006.htm", "fonts", "in000001.htm",
                                   "page001.png", "page002.png", "page003.png", "words"}));
  const std::string contents = read_file("htm_out/f000004.htm");
  EXPECT_EQ(contents.substr(0, contents.find("<style")),
            "<HTML lang=\"en\">\r\n"
            "<head> <meta http-equiv=\"content-type\"  content=\"text/HTML; charset=utf-8\">\r\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
            "<title>\r\n"
            "three pages \xE2\x80\x93 contents\r\n"
            "</title>\r\n");
  EXPECT_EQ(contents.substr(contents.find("</style>")),
            "</style>\r\n"
            "<script src=\"fonts/search.js\" defer></script>\r\n"
            "</head>\r\n"
            "<body>\r\n"
            "<a id=\"lexiweb-skip\" class=\"lexiweb-skip\" href=\"#lexiweb-main\" lang=\"en\" "
            "aria-label=\"Skip to the page\" data-text=\"Skip to the page\"></a>\r\n"
            "<main id=\"lexiweb-main\">\r\n"
            "<p>Details: <a href = \"https://lexiweb.example.org/details.html\">"
            "lexiweb.example.org/details.html</a> </p>\r\n"
            "<h1>Contents</h1>\n\r\n"
            "<ol>\r\n"
            "<li><a href=\"f000001.htm\" >page1</a></li>\r\n"
            "<li><a href=\"f000002.htm\" >page2</a></li>\r\n"
            "<li><a href=\"f000003.htm\" >page3</a></li>\r\n"
            "</ol>\r\n"
            "</main>\r\n"
            "</body></HTML>\r\n");
}

// The PDF writer sets its text in Helvetica, which a reader cannot be
// counted on to have: the site carries its metric twin, cut to the
// characters of the document, and the fitting script, the page names them,
// and every fragment knows its width. The run writes nothing outside its
// folder, however empty the user's home and cache.
TEST(FullRunTest, PagesAreSetInFacesTheSiteCarries) {
  WorkingFolder folder;
  fs::create_directories("home/user");
  const std::string saved_home = getenv("HOME") == nullptr ? "" : getenv("HOME");
  const std::string saved_cache =
      getenv("XDG_CACHE_HOME") == nullptr ? "" : getenv("XDG_CACHE_HOME");
  setenv("HOME", (folder.path() / "home/user").c_str(), 1);
  unsetenv("XDG_CACHE_HOME");
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/doc.pdf", three_page_document());
  ProgramRun run = run_lexiweb(kCompleteRunInput);
  setenv("HOME", saved_home.c_str(), 1);
  if (!saved_cache.empty()) setenv("XDG_CACHE_HOME", saved_cache.c_str(), 1);
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_TRUE(fs::is_empty("home/user"));

  EXPECT_EQ(files_in("htm_out/fonts"),
            (std::set<std::string>{"LiberationSans-Regular.woff2", "copy.js", "fit.js", "flow.css",
                                   "flow.js", "search.js", "word_keys.js"}));
  std::set<char32_t> characters;
  for (const PdfPage& page : three_page_document()) {
    for (const std::string& line : page.lines) characters.insert(line.begin(), line.end());
  }
  EXPECT_EQ(characters_of_font_file("htm_out/fonts/LiberationSans-Regular.woff2"), characters);
  const std::string page = read_file("htm_out/f000002.htm");
  EXPECT_NE(page.find("@font-face{font-family:LiberationSans;"
                      "src:url(fonts/LiberationSans-Regular.woff2)}\n"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("font-family:LiberationSans,sans-serif;"), std::string::npos) << page;
  EXPECT_NE(page.find("<script src=\"fonts/fit.js\" defer></script>"), std::string::npos) << page;
  const size_t fragment = page.find("<p style=\"position:absolute;");
  ASSERT_NE(fragment, std::string::npos) << page;
  const std::string tag = page.substr(fragment, page.find('>', fragment) - fragment);
  EXPECT_NE(tag.find(" data-w=\""), std::string::npos) << tag;
  // Attributes, style and script are no words: the document has its 16 words still.
  EXPECT_TRUE(run.output.ends_with(results_screen(16))) << run.output;
}

// A font whose name no table knows, serif and of fixed pitch, its letters
// as wide as Courier's: the site sets it in Courier's free twin, not in a
// proportional face.
TEST(FullRunTest, UnknownFixedPitchSerifFontIsSetInAFixedPitchFaceOfItsWidth) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/doc.pdf", three_page_document(), {}, {"QWERTY+Kvadrat", 1 + 2 + 32, 600});
  ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;

  EXPECT_EQ(files_in("htm_out/fonts"),
            (std::set<std::string>{"LiberationMono-Regular.woff2", "copy.js", "fit.js", "flow.css",
                                   "flow.js", "search.js", "word_keys.js"}));
  const std::string page = read_file("htm_out/f000002.htm");
  EXPECT_NE(page.find("@font-face{font-family:LiberationMono;"
                      "src:url(fonts/LiberationMono-Regular.woff2)}\n"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("font-family:LiberationMono,monospace;"), std::string::npos) << page;
}

// The document's outline stands on the contents page, its entries leading
// to the site's pages, its titles as the converter escaped them.
TEST(FullRunTest, ContentsPageShowsTheDocumentOutline) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/doc.pdf", three_page_document(),
            {{"Introduction", 2, {{"Getting \"started\" & <more>", 3}, {"Caf\xC3\xA9", 3}}}});
  ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_TRUE(files_in("htm_in").contains("outline.htm"));
  const std::string contents = read_file("htm_out/f000004.htm");
  EXPECT_EQ(contents.substr(contents.find("<h1>Contents</h1>\n\r\n")),
            "<h1>Contents</h1>\n\r\n"
            "<ul>\r\n"
            "<li><a href=\"f000002.htm\">Introduction</a>\r\n"
            "<ul>\r\n"
            "<li><a href=\"f000003.htm\">Getting &#34;started&#34; &amp; &lt;more&gt;</a></li>\r\n"
            "<li><a href=\"f000003.htm\">Caf\xC3\xA9</a></li>\r\n"
            "</ul>\r\n"
            "</li>\r\n"
            "</ul>\r\n"
            "<ol>\r\n"
            "<li><a href=\"f000001.htm\" >page1</a></li>\r\n"
            "<li><a href=\"f000002.htm\" >page2</a></li>\r\n"
            "<li><a href=\"f000003.htm\" >page3</a></li>\r\n"
            "</ol>\r\n"
            "</main>\r\n"
            "</body></HTML>\r\n");
}

TEST(FullRunTest, DoubleQuoteSeparatesWordsAndCaseVariantsShareAnEntry) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/doc.pdf", three_page_document());
  // A folder whose name only begins like the output folder's is another folder.
  fs::create_directory("htm_out_old");
  ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_TRUE(files_in("htm_out_old").empty());
  std::string all_words = read_file("htm_out/f000006.htm");
  std::string entries;
  for (size_t at = all_words.find("<li>"); at != std::string::npos;
       at = all_words.find("<li>", at + 1)) {
    size_t start = all_words.find("\" > ", at) + 4;
    entries += all_words.substr(start, all_words.find("</span>", start) - start) + " ";
  }
  EXPECT_EQ(entries, "42 and carry Fall miles river Rivers runs sea the water ");
}

TEST(FullRunTest, FailedPageCopyEndsTheRunWithItsSource) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/doc.pdf", three_page_document());
  // A converter that does its work, then leaves a folder where page 3's file
  // must go, so that its copy fails.
  write_program("bin/pdftohtml",
                "/usr/bin/pdftohtml \"$@\" || exit $?\n"
                "for last; do :; done\n"
                "mkdir -p \"$(dirname \"$last\")/page3.htm/blocked\"\n");

  ProgramRun run = run_lexiweb(kCompleteRunInput, (folder.path() / "bin").string());

  EXPECT_EQ(run.exit_status, 0);
  std::string tail =
      "processed 1%\n"
      "---------------------------\n"
      "Error on copy file(s)\n"
      "htm_in/page3.htm\n"
      "The file htm_in/page3.htm could not be copied.\n";
  ASSERT_GE(run.output.size(), tail.size()) << run.output;
  EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail) << run.output;
  EXPECT_TRUE(fs::exists("w_2.htm")) << "pages copied before stay";
  EXPECT_FALSE(fs::exists("w_3.htm"));
  EXPECT_TRUE(files_in("htm_out").empty()) << "htm_out holds nothing of this run";
}

// A write the system refuses (here one past the file size limit, with
// SIGXFSZ ignored) ends the run at once: no further progress line, no
// results screen, no scratch file left.
TEST(FullRunTest, RefusedWriteEndsTheRunWithOneLine) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  std::vector<std::string> lines(40, "water stone river bridge valley forest meadow harbour");
  write_pdf("pdf_in/doc.pdf", std::vector<PdfPage>(24, PdfPage{lines, {}}));
  // The converted pages, their images and the font the pages are set in
  // stay below the limit; the word records, which carry a context with
  // every word, do not.
  ProgramRun run = finish_program_run(
      start_program_run(LEXIWEB_BINARY, folder.path(), kCompleteRunInput, {"", {}, 800'000}));

  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.errors, "lexiweb: cannot write wrd_2.txt: File too large\n");
  EXPECT_TRUE(run.output.ends_with("processed 1%\nprocessed 10%\n")) << run.output;
  for (const std::string& name : files_in(".")) EXPECT_FALSE(is_scratch_file(name)) << name;
  EXPECT_TRUE(fs::exists("htm_in/page2.htm"));
}

TEST(FullRunTest, DocumentWithoutWordsGetsEveryPageAndTheFinalPagesAfterThem) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/doc.pdf", {PdfPage{{"a b c to of"}, {}}, PdfPage{{"x y"}, {}}});
  ProgramRun run = run_lexiweb(kCompleteRunInput);
  EXPECT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.output.substr(run.output.size() - results_screen(0).size()), results_screen(0));
  EXPECT_EQ(files_in("htm_out"),
            (std::set<std::string>{"f000001.htm", "f000002.htm", "f000003.htm", "f000004.htm",
                                   "f000005.htm", "fonts", "page001.png", "page002.png", "words"}));
  // A page without words is written like any other, only without spans.
  std::string first = read_file("htm_out/f000001.htm");
  EXPECT_EQ(first.find("<span"), std::string::npos) << first;
  EXPECT_NE(first.find("<a href = \"f000002.htm\">next</a>&nbsp <a href = \"f000004.htm\">search"),
            std::string::npos)
      << first;
  std::string all_words = read_file("htm_out/f000005.htm");
  EXPECT_NE(all_words.find("<ul>\n\r\n</ul>\n\r\n</main>\r\n</body></HTML>\r\n"), std::string::npos)
      << all_words;
}

// The navigation bar of output page `page` of a six-page document: its
// links chain through every page, with or without words.
std::string navigation_bar_of(int page) {
  std::string links;
  if (page > 1) links += "<a href = \"f00000" + std::to_string(page - 1) + ".htm\">prev</a>&nbsp ";
  if (page < 6) links += "<a href = \"f00000" + std::to_string(page + 1) + ".htm\">next</a>&nbsp ";
  return "</main>\r\n"
         "<nav aria-label=\"Pages\" lang=\"en\" style=\"position:fixed; bottom:0;\">\r\n"
         "<a href = \"f000007.htm\">Contents</a>&nbsp \r\n" +
         links +
         "<a href = \"f000008.htm\">search</a>&nbsp <a href = \"f000009.htm\">index</a>&nbsp \r\n"
         "</nav>\r\n"
         "</body></HTML>\r\n";
}

TEST(FullRunTest, PagesWithoutWordsGetTheirPagesAndTheFinalPagesFollowTheLastPage) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  // Pages 1, 3, 5 and 6 hold no word: an empty cover, words too short to
  // count, and two empty pages at the end. Page 2 links to page 6.
  PdfPage second{{"The river runs past the old mill", "See the last page"}, {}};
  second.links = {internal_link(1, 6)};
  write_pdf("pdf_in/doc.pdf", {PdfPage{}, second, PdfPage{{"a b to of"}, {}},
                               PdfPage{{"River stones shine"}, {}}, PdfPage{}, PdfPage{}});
  ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;

  std::set<std::string> expected_files = {"f000007.htm", "f000008.htm",  "f000009.htm",
                                          "fonts",       "in000001.htm", "words"};
  for (int page = 1; page <= 6; ++page) {
    expected_files.insert("f00000" + std::to_string(page) + ".htm");
    expected_files.insert("page00" + std::to_string(page) + ".png");
  }
  EXPECT_EQ(files_in("htm_out"), expected_files);
  for (int page = 1; page <= 6; ++page) {
    const std::string text = read_file("htm_out/f00000" + std::to_string(page) + ".htm");
    const std::string bar = navigation_bar_of(page);
    ASSERT_GE(text.size(), bar.size());
    EXPECT_EQ(text.substr(text.size() - bar.size()), bar) << "page " << page;
    const bool has_words = page == 2 || page == 4;
    EXPECT_EQ(text.find("<span") != std::string::npos, has_words) << "page " << page;
  }
  EXPECT_NE(read_file("htm_out/f000002.htm").find("href=\"f000006.htm\""), std::string::npos);
  const std::string contents = read_file("htm_out/f000007.htm");
  for (int page = 1; page <= 6; ++page) {
    const std::string item = "<li><a href=\"f00000" + std::to_string(page) + ".htm\" >page" +
                             std::to_string(page) + "</a></li>\r\n";
    EXPECT_NE(contents.find(item), std::string::npos) << item;
  }
}

TEST(FullRunTest, LinksWithinTheDocumentLeadToTheAnnotatedPages) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  PdfPage first{{"Rivers begin in the hills", "The coast is told later", "See the atlas online"},
                {}};
  first.links = {internal_link(1, 3), external_link(2, "https://example.org/atlas?a=1&b=2")};
  write_pdf("pdf_in/doc.pdf",
            {first, PdfPage{{"Valleys widen slowly"}, {}}, PdfPage{{"The coast at last"}, {}}});
  ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  std::string page = read_file("htm_out/f000001.htm");
  EXPECT_NE(page.find("href=\"f000003.htm\""), std::string::npos) << page;
  EXPECT_NE(page.find("href=\"https://example.org/atlas?a=1&b=2\""), std::string::npos) << page;
  EXPECT_EQ(page.find("page-3.html"), std::string::npos);
  EXPECT_NE(read_file("htm_out/f000003.htm").find("<title>\r\ndoc \xE2\x80\x93 page 3\r\n</title>"),
            std::string::npos);
}

// Link annotations whose address would run the document author's code in
// the site: the words of the link stay, the address goes; a web link beside
// them stays.
TEST(FullRunTest, ScriptLinksKeepTheirTextButLoseTheirAddress) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  PdfPage page{{"Steal the cookie", "Open the data page", "See the atlas online"}, {}};
  page.links = {external_link(0, "javascript:alert(document.cookie)"),
                external_link(1, "data:text/html,<script>alert(1)</script>"),
                external_link(2, "https://example.org/atlas")};
  write_pdf("pdf_in/doc.pdf", {page});
  ProgramRun run = run_lexiweb(kCompleteRunInput);
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  const std::string site_page = read_file("htm_out/f000001.htm");
  for (const char* word : {"Steal", "cookie", "Open", "data", "page", "atlas"}) {
    EXPECT_NE(site_page.find(std::string(">") + word + "</span>"), std::string::npos) << word;
  }
  EXPECT_EQ(site_page.find("javascript:"), std::string::npos) << site_page;
  EXPECT_EQ(site_page.find("data:"), std::string::npos) << site_page;
  EXPECT_EQ(site_page.find("alert("), std::string::npos) << site_page;
  // The two links without address, then the web link, each around its line.
  const size_t steal = site_page.find("<a><span");
  const size_t open = site_page.find("</a><a><span", steal);
  const size_t atlas = site_page.find("</a><a href=\"https://example.org/atlas\"><span", open);
  EXPECT_NE(steal, std::string::npos) << site_page;
  EXPECT_NE(open, std::string::npos) << site_page;
  EXPECT_NE(atlas, std::string::npos) << site_page;
}

}  // namespace
}  // namespace lexiweb::testing
