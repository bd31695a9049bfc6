// End-to-end runs on documents with pages that are pictures of text: the
// scans get their recognised words, placed over their pictures; a scan with
// an invisible text layer takes its words from there; a recogniser that
// crashes or hangs costs its page alone; an unknown language ends the run;
// without a recogniser the run says what it could not read; a scan of 96
// pixels an inch is read, one too coarse to read is named.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "testing/scanned_pages.h"
#include "tools/pdf_writer.h"

namespace lexiweb::testing {
namespace {

#ifdef LEXIWEB_RECOGNIZER_BUILT

namespace fs = std::filesystem;

const std::string kInput = kKeysToInput + "\nwww.example.org\n\n";

const PdfPage kTextPage = {{"Rivers carry water down to the sea", "Stones rest on the river bed"},
                           {}};
const PdfPage kOtherTextPage = {{"Bridges cross the valley", "Meadows lie beside the forest"}, {}};

// A copy of the program beside the real renderer and, unless `recogniser`
// is empty, a recogniser that notes the page of each call in `calls` and
// runs `recogniser` (the page is $3) before the real one.
fs::path program_beside(const fs::path& folder, const std::string& recogniser) {
  const fs::path program = program_copy_in(folder);
  const fs::path lib = private_programs_in(folder);
  fs::create_symlink(built_private_program("lexiweb-render"), lib / "lexiweb-render");
  if (!recogniser.empty()) {
    write_program(lib / "lexiweb-ocr",
                  "[ \"$1\" = --languages ] || echo \"$3\" >> \"" + (folder / "calls").string() +
                      "\"\n" + recogniser + "\nexec \"" +
                      built_private_program("lexiweb-ocr").string() + "\" \"$@\"\n");
  }
  return program;
}

// A run on pdf_in/doc.pdf.
ProgramRun run_pdf(const fs::path& program, const std::vector<std::string>& environment = {}) {
  ProgramSetup setup;
  setup.environment = environment;
  return finish_program_run(start_program_run(program, fs::current_path(), kInput, setup));
}

ProgramRun run_document(const fs::path& program, const std::vector<PdfPage>& pages,
                        const std::vector<std::string>& environment = {}) {
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/doc.pdf", pages);
  return run_pdf(program, environment);
}

// The words of a page's recognised fragments, each with the middle of its
// span in the page's pixels.
struct LaidWord {
  std::string text;
  double x;
  double y;
};

std::vector<LaidWord> laid_words(const std::string& page) {
  const std::regex line(
      "<p style=\"position:absolute;left:([0-9.]+)px;top:([0-9.]+)px;[^\"]*line-height:([0-9.]+)"
      "px\" class=\"lexiweb-ocr\" data-b=\"[0-9.]+\">(.*)</p>");
  const std::regex word("<span data-x=\"([0-9.]+)\" data-w=\"([0-9.]+)\">([^<]*)</span>");
  std::vector<LaidWord> words;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), line); it != std::sregex_iterator();
       ++it) {
    const double left = std::stod((*it)[1]);
    const double middle = std::stod((*it)[2]) + std::stod((*it)[3]) / 2;
    const std::string spans = (*it)[4];
    for (auto w = std::sregex_iterator(spans.begin(), spans.end(), word);
         w != std::sregex_iterator(); ++w) {
      words.push_back({(*w)[3], left + std::stod((*w)[1]) + std::stod((*w)[2]) / 2, middle});
    }
  }
  return words;
}

// Every word of page `page` of text.pdf, the page the scan was made of, is
// laid with the middle of its span inside the word's box on the page (at
// the zoom of 1.5); the scan shows the top of the text page. Words of one
// or two letters, which the index leaves out, are laid as well.
void expect_words_over_their_pictures(const std::string& converted_page, int page) {
  const std::vector<LaidWord> laid = laid_words(converted_page);
  const std::vector<TextWord> words = text_words("text.pdf", page);
  ASSERT_EQ(laid.size(), words.size()) << converted_page;
  for (size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(laid[i].text, words[i].text);
    EXPECT_GT(laid[i].x, words[i].left * 1.5) << laid[i].text;
    EXPECT_LT(laid[i].x, words[i].right * 1.5) << laid[i].text;
    EXPECT_GT(laid[i].y, words[i].top * 1.5) << laid[i].text;
    EXPECT_LT(laid[i].y, words[i].bottom * 1.5) << laid[i].text;
  }
}

std::string words_line(int words) {
  return "words in *.pdf file = " + std::to_string(words) + "\n";
}

// A born-digital page, a scanned one and a blank one: only the scan is
// recognised, its words lie over their pictures and count as the same
// words in text do, and the born-digital page is set as it always is.
TEST(RecognitionTest, OnlyTheScanIsRecognisedAndItsWordsLieOverTheirPictures) {
  WorkingFolder folder;
  const std::vector<PdfPage> scans = scanned_pages({kTextPage, kOtherTextPage}, 2);
  const ProgramRun run =
      run_document(program_beside(folder.path(), ":"), {kTextPage, scans[1], PdfPage{{}, {}}});
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(read_file("calls"), "2\n");
  // Both pages' words: the index knows the scan's as it knows the text's.
  EXPECT_NE(run.output.find(words_line(20)), std::string::npos) << run.output;
  expect_words_over_their_pictures(read_file("htm_in/page2.htm"), 2);
  EXPECT_EQ(read_file("htm_in/page1.htm").find("lexiweb-ocr"), std::string::npos);
  const std::string site_page = read_file("htm_out/f000002.htm");
  EXPECT_NE(site_page.find("<script src=\"fonts/ocr.js\" defer></script>"), std::string::npos);
  EXPECT_NE(site_page.find("ondblclick"), std::string::npos);
  EXPECT_TRUE(fs::is_regular_file("htm_out/fonts/ocr.js"));
  // The scan is named as the page it is; the picture behind a page of text
  // is decorative.
  EXPECT_NE(site_page.find("src=\"page002.png\" alt=\"scanned page 2\""), std::string::npos);
  EXPECT_NE(read_file("htm_out/f000001.htm").find("src=\"page001.png\" alt=\"\""),
            std::string::npos);
}

// A searchable scan carries its words as invisible text: they are taken
// from there, without recognising the page again.
TEST(RecognitionTest, InvisibleTextLayerGivesItsWordsWithoutTheRecogniser) {
  WorkingFolder folder;
  const ProgramRun run =
      run_document(program_beside(folder.path(), ":"), scanned_pages({kTextPage}, 0, true));
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_FALSE(fs::exists("calls"));
  EXPECT_NE(run.output.find(words_line(11)), std::string::npos) << run.output;
  expect_words_over_their_pictures(read_file("htm_in/page1.htm"), 1);
}

// A recogniser that crashes on page 2 and one that hangs on page 3 until
// its time limit ends it: those pages keep their scans without words, one
// line names them, and the run shows its results.
TEST(RecognitionTest, RecogniserThatCrashesOrHangsCostsItsPageAlone) {
  WorkingFolder folder;
  const ProgramRun run = run_document(
      program_beside(folder.path(),
                     "[ \"$3\" != 2 ] || kill -SEGV $$\n"
                     "[ \"$3\" != 3 ] || { (sleep 1; kill -ALRM $$) & exec sleep 30; }"),
      scanned_pages({kTextPage, kOtherTextPage, kTextPage}, 2));
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.errors,
            "lexiweb: pages 2-3 of doc.pdf could not be recognised; the site shows their scans "
            "without words\n");
  EXPECT_NE(run.output.find(words_line(11)), std::string::npos) << run.output;
  for (int page : {2, 3}) {
    const std::string html = read_file("htm_out/f00000" + std::to_string(page) + ".htm");
    EXPECT_EQ(html.find("lexiweb-ocr"), std::string::npos) << page;
    // The scan is the page, words or none.
    EXPECT_NE(html.find("alt=\"scanned page " + std::to_string(page) + "\""), std::string::npos)
        << page;
  }
}

TEST(RecognitionTest, UnknownLanguageEndsTheRunBeforeTheConversion) {
  WorkingFolder folder;
  const ProgramRun run =
      run_document(program_beside(folder.path(), ":"), scanned_pages({kTextPage}, 2),
                   {"LEXIWEB_OCR_LANGUAGES=eng+xyz"});
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_TRUE(
      run.errors.starts_with("lexiweb: the recognition language \"xyz\" of "
                             "LEXIWEB_OCR_LANGUAGES is not installed; installed: "))
      << run.errors;
  EXPECT_NE(run.errors.find("eng"), std::string::npos) << run.errors;
  EXPECT_FALSE(fs::exists("calls"));
  EXPECT_FALSE(fs::exists("htm_in/page1.htm"));
}

TEST(RecognitionTest, WithoutRecogniserTheRunSaysWhatLooksScanned) {
  WorkingFolder folder;
  const ProgramRun run =
      run_document(program_beside(folder.path(), ""), scanned_pages({kTextPage}, 2));
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.errors,
            "lexiweb: 1 page of doc.pdf looks scanned; installing tesseract-ocr would read its "
            "words\n");
  EXPECT_NE(run.output.find(words_line(0)), std::string::npos) << run.output;
}

// A run on a scan of kTextPage at `pixels_per_inch`, put into a PDF by
// img2pdf as a scanner's software does. A PGM file carries no resolution:
// img2pdf gives it 96 pixels an inch unless told another.
ProgramRun run_on_scan(const fs::path& folder, int pixels_per_inch) {
  const fs::path program = program_beside(folder, ":");
  write_pdf("text.pdf", {kTextPage});
  const std::string ppi = std::to_string(pixels_per_inch);
  EXPECT_EQ(std::system(("pdftoppm -q -gray -singlefile -r " + ppi + " text.pdf scan").c_str()), 0);
  fs::create_directory("pdf_in");
  const std::string resolution = pixels_per_inch == 96 ? "" : "-s " + ppi + "dpi ";
  EXPECT_EQ(std::system(("img2pdf " + resolution + "-o pdf_in/doc.pdf scan.pgm").c_str()), 0);
  return run_pdf(program);
}

// A scan of 96 pixels an inch is read as a scanner's 300 are.
TEST(RecognitionTest, ScanOf96PixelsAnInchIsRecognised) {
  WorkingFolder folder;
  const ProgramRun run = run_on_scan(folder.path(), 96);
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(read_file("calls"), "1\n");
  EXPECT_NE(run.output.find(words_line(11)), std::string::npos) << run.output;
  expect_words_over_their_pictures(read_file("htm_in/page1.htm"), 1);
}

TEST(RecognitionTest, ScanTooCoarseToReadIsNamedInOneLine) {
  WorkingFolder folder;
  const ProgramRun run = run_on_scan(folder.path(), 50);
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.errors,
            "lexiweb: 1 page of doc.pdf looks scanned at under 72 pixels an inch, too coarse to "
            "read; the site shows its scan without words\n");
  EXPECT_FALSE(fs::exists("calls"));
  EXPECT_NE(run.output.find(words_line(0)), std::string::npos) << run.output;
}

#endif  // LEXIWEB_RECOGNIZER_BUILT

}  // namespace
}  // namespace lexiweb::testing
