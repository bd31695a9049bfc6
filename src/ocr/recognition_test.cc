// lexiweb-ocr run as the converter runs it, on scanned pages the tests make:
// a text page drawn at 300 dpi in gray by pdftoppm and put back into a PDF
// as its only picture. The words must come back with their text and where
// pdftotext places them on the text page.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/recognized_text.h"
#include "testing/program_run.h"
#include "testing/scanned_pages.h"
#include "testing/working_folder.h"
#include "tools/pdf_writer.h"

namespace lexiweb {
namespace {

using testing::PdfPage;
using testing::ProgramRun;
using testing::ProgramSetup;
using testing::read_file;
using testing::WorkingFolder;
using testing::TextWord;
using testing::write_pdf;

ProgramRun run_ocr(const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment = {}) {
  ProgramSetup setup;
  setup.arguments = arguments;
  setup.environment = environment;
  return testing::finish_program_run(
      testing::start_program_run(LEXIWEB_OCR_BINARY, std::filesystem::current_path(), "", setup));
}

// Turns the text pages into scan.pdf, one picture a page.
void write_scan(const std::vector<PdfPage>& pages) {
  write_pdf("scan.pdf", testing::scanned_pages(pages));
}

// The words of text.pdf's first page, cut into lines where a word starts
// left of the one before it.
std::vector<std::vector<TextWord>> text_lines() {
  std::vector<std::vector<TextWord>> lines;
  for (const TextWord& found : testing::text_words("text.pdf", 1)) {
    if (lines.empty() || found.left < lines.back().back().left) lines.emplace_back();
    lines.back().push_back(found);
  }
  return lines;
}

// Whether the middle of `box`, in pixels at 300 dpi, lies within `word`'s
// box in points.
bool middle_within(const PixelBox& box, const TextWord& word) {
  const double points_per_pixel = 72.0 / kRecognitionDpi;
  const double x = (box.left + box.right) / 2.0 * points_per_pixel;
  const double y = (box.top + box.bottom) / 2.0 * points_per_pixel;
  return x > word.left && x < word.right && y > word.top && y < word.bottom;
}

RecognizedPage read_recognized(const std::string& path) {
  RecognizedPage page;
  EXPECT_TRUE(parse_recognized_page(read_file(path), &page)) << read_file(path);
  return page;
}

TEST(Recognition, ScannedPageGetsItsWordsWhereTheyStand) {
  WorkingFolder folder;
  write_scan({{.lines = {"Rivers carry water from the mountains down to the sea.",
                         "Every morning the baker opens his shop at seven.", "",
                         "Quiet gardens grow between the old stone houses,",
                         "and numbers such as 1842 or 65537 stay readable too."},
               .links = {}}});
  const ProgramRun run = run_ocr({"eng", "scan.pdf", "1", "page.txt"});
  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_FALSE(std::filesystem::exists("page.txt.part"));
  const RecognizedPage page = read_recognized("page.txt");
  EXPECT_EQ(page.width, 2550);  // US Letter at 300 dpi
  EXPECT_EQ(page.height, 3300);

  const std::vector<std::vector<TextWord>> expected = text_lines();
  ASSERT_EQ(page.lines.size(), expected.size());
  ASSERT_EQ(expected.size(), 4u);
  EXPECT_TRUE(page.lines[0].starts_block);
  EXPECT_TRUE(page.lines[0].starts_paragraph);
  for (size_t l = 0; l < expected.size(); ++l) {
    const RecognizedLine& line = page.lines[l];
    ASSERT_EQ(line.words.size(), expected[l].size()) << "line " << l;
    TextWord whole = expected[l].front();
    whole.right = expected[l].back().right;
    EXPECT_TRUE(middle_within(line.box, whole)) << "line " << l;
    EXPECT_GT(line.baseline, line.box.top + (line.box.bottom - line.box.top) / 2);
    EXPECT_LE(line.baseline, line.box.bottom);
    for (size_t w = 0; w < expected[l].size(); ++w) {
      const RecognizedWord& word = line.words[w];
      EXPECT_EQ(word.text, expected[l][w].text);
      EXPECT_TRUE(middle_within(word.box, expected[l][w])) << word.text;
      EXPECT_GE(word.confidence, 80) << word.text;
      EXPECT_LE(word.confidence, 100) << word.text;
    }
  }
}

TEST(Recognition, EachFailureHasItsExitStatusAndLeavesNoOutput) {
  WorkingFolder folder;
  write_scan({{.lines = {"One line of text."}, .links = {}}});
  testing::write_file("broken.pdf", "this is not a PDF\n");
  // One pixel at 1/200 dpi: a page of 200 by 200 inches.
  write_pdf("poster.pdf", {{.lines = {}, .links = {}, .image = {1, 1, 0.005, "\x80"}}});
  const struct {
    std::vector<std::string> arguments;
    int exit_status;
  } cases[] = {
      {{"eng", "broken.pdf", "1", "page.txt"}, 1},
      {{"eng", "scan.pdf", "2", "page.txt"}, 1},
      {{"eng", "scan.pdf", "1", "no/such/folder/page.txt"}, 2},
      {{"eng", "poster.pdf", "1", "page.txt"}, 3},
      {{"xyz", "scan.pdf", "1", "page.txt"}, 4},
      // Tesseract itself would go on in English alone.
      {{"eng+xyz", "scan.pdf", "1", "page.txt"}, 4},
      {{"eng", "scan.pdf", "0", "page.txt"}, 64},
      {{"eng", "scan.pdf", "1"}, 64},
  };
  for (const auto& c : cases) {
    const ProgramRun run = run_ocr(c.arguments);
    std::string arguments;
    for (const std::string& argument : c.arguments) arguments += " " + argument;
    EXPECT_EQ(run.exit_status, c.exit_status) << arguments << "\n" << run.errors;
    EXPECT_FALSE(std::filesystem::exists("page.txt")) << arguments;
    EXPECT_FALSE(std::filesystem::exists("page.txt.part")) << arguments;
  }
  const ProgramRun missing = run_ocr({"eng+xyz", "scan.pdf", "1", "page.txt"});
  EXPECT_NE(missing.errors.find("lexiweb-ocr: cannot load the language data of xyz (installed: "),
            std::string::npos)
      << missing.errors;
}

TEST(Recognition, ListsTheInstalledLanguages) {
  const ProgramRun run = run_ocr({"--languages"});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_NE(("\n" + run.output).find("\neng\n"), std::string::npos) << run.output;
  EXPECT_EQ(("\n" + run.output).find("\nosd\n"), std::string::npos) << run.output;
}

// A document that never arrives (a pipe that nobody writes) holds the
// program as a hung recognition would, until its time limit ends it.
TEST(Recognition, TimeLimitEndsAHungPage) {
  WorkingFolder folder;
  ASSERT_EQ(mkfifo("never.pdf", 0600), 0);
  const ProgramRun run = run_ocr({"eng", "never.pdf", "1", "page.txt"}, {"LEXIWEB_OCR_SECONDS=1"});
  EXPECT_EQ(run.end_signal, SIGALRM);
  EXPECT_FALSE(std::filesystem::exists("page.txt"));
}

}  // namespace
}  // namespace lexiweb
