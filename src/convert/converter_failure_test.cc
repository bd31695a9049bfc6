// The converter's failures: a file that is no PDF, a magnification that is
// no number, a missing or crashing pdftohtml, and pages that fail alone.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "convert/converter.h"
#include "convert/converter_testing.h"
#include "testing/working_folder.h"
#include "tools/pdf_writer.h"

namespace lexiweb {
namespace {

using testing::PdfPage;
using testing::read_file;
using testing::RecordingConsole;
using testing::three_pages;
using testing::WorkingFolder;
using testing::write_pdf;

TEST(Converter, FileThatIsNoPdfFailsWithOneLine) {
  WorkingFolder folder;
  testing::write_file("broken.pdf", "this is not a PDF\n");
  RecordingConsole console;
  EXPECT_FALSE(run_converter("1.5", "broken.pdf", "htm_in"));
  EXPECT_EQ(console.output,
            "pdftohtml could not open broken.pdf (not a PDF, damaged, or protected by a "
            "password)\n");
  EXPECT_FALSE(std::filesystem::exists("htm_in/index.html"));
}

TEST(Converter, MagnificationThatIsNoNumberNeverReachesTheConverter) {
  WorkingFolder folder;
  write_pdf("doc.pdf", three_pages());
  RecordingConsole console;
  std::string refusals;
  for (const char* magnification : {"2; rm -rf x", "-1", "0.0"}) {
    EXPECT_FALSE(run_converter(magnification, "doc.pdf", "htm_in"));
    refusals += "The magnification factor must be a number such as 1.5, not \"" +
                std::string(magnification) + "\": nothing was converted\n";
  }
  EXPECT_EQ(console.output, refusals);
  EXPECT_FALSE(std::filesystem::exists("htm_in"));
}

TEST(Converter, MissingPdftohtmlFailsWithOneLine) {
  WorkingFolder folder;
  write_pdf("doc.pdf", three_pages());
  std::filesystem::create_directory("no_tools");
  std::string saved_path = getenv("PATH");
  setenv("PATH", (folder.path() / "no_tools").c_str(), 1);
  RecordingConsole console;
  bool converted = run_converter("1.5", "doc.pdf", "htm_in");
  setenv("PATH", saved_path.c_str(), 1);
  EXPECT_FALSE(converted);
  EXPECT_EQ(console.output,
            "pdftohtml could not be started: install poppler-utils so that pdftohtml is on the "
            "PATH\n");
  EXPECT_FALSE(std::filesystem::exists("htm_in/index.html"));
}

// A pdftohtml that crashes on every range that holds page 2, 4 or 5, like
// one meeting damaged pages; the measuring runs are left to the real one.
// The six pages make one range, so the pages run again one at a time.
TEST(Converter, PagesThatFailAloneStandInEmptyAndOneLineNamesThem) {
  WorkingFolder folder;
  std::vector<PdfPage> pages;
  for (int page = 1; page <= 6; ++page) {
    pages.push_back({{"Words of page " + std::to_string(page)}, {}});
  }
  write_pdf("doc.pdf", pages);
  testing::write_program("bin/pdftohtml",
                         "case \" $* \" in *\" -xml \"*) exec /usr/bin/pdftohtml \"$@\";; esac\n"
                         "range() { while [ $# -gt 0 ]; do case $1 in -f) f=$2;; -l) l=$2;; esac; "
                         "shift; done; }\n"
                         "range \"$@\"\n"
                         "for bad in 2 4 5; do\n"
                         "  [ \"$f\" -le $bad ] && [ $bad -le \"$l\" ] && kill -SEGV $$\n"
                         "done\n"
                         "exec /usr/bin/pdftohtml \"$@\"\n");
  std::string saved_path = getenv("PATH");
  setenv("PATH", ((folder.path() / "bin").string() + ":" + saved_path).c_str(), 1);
  RecordingConsole console;
  ::testing::internal::CaptureStderr();
  bool converted = run_converter("1.5", "doc.pdf", "htm_in");
  const std::string errors = ::testing::internal::GetCapturedStderr();
  setenv("PATH", saved_path.c_str(), 1);

  ASSERT_TRUE(converted) << console.output;
  EXPECT_EQ(console.output, "");
  EXPECT_EQ(errors,
            "lexiweb: pages 2 and 4-5 of doc.pdf could not be converted; the site shows them "
            "empty\n");
  for (int page = 1; page <= 6; ++page) {
    SCOPED_TRACE(page);
    const std::string number = std::to_string(page);
    const std::string html = read_file("htm_in/page" + number + ".html");
    const bool lost = page == 2 || page == 4 || page == 5;
    EXPECT_EQ(html.find("Words of page " + number) == std::string::npos, lost) << html;
    // A lost page keeps the size of the page it stands for, and its
    // background where the renderer drew it (pdftohtml -c drew none).
    std::string background = "<img width=\"918\" height=\"1188\" src=\"page00" + number + ".png\"";
#ifndef LEXIWEB_RENDERER_BUILT
    if (lost) background = "<div class=\"lw-title\"";
#endif
    EXPECT_NE(
        html.find("<div id=\"page" + number +
                  "-div\" style=\"position:relative;width:918px;height:1188px;\">\n" + background),
        std::string::npos)
        << html;
  }
}

// A converter that crashes was once reported as one that is not installed.
TEST(Converter, ConverterEndedBySignalIsNotTakenForAMissingOne) {
  WorkingFolder folder;
  write_pdf("doc.pdf", three_pages());
  testing::write_program("bin/pdftohtml", "kill -KILL $$\n");
  std::string saved_path = getenv("PATH");
  setenv("PATH", ((folder.path() / "bin").string() + ":" + saved_path).c_str(), 1);
  RecordingConsole console;
  bool converted = run_converter("1.5", "doc.pdf", "htm_in");
  setenv("PATH", saved_path.c_str(), 1);
  EXPECT_FALSE(converted);
  EXPECT_EQ(console.output,
            "pdftohtml failed on pages 1 to 3 of doc.pdf: it was ended by signal 9\n");
  EXPECT_TRUE(std::filesystem::is_empty("htm_in"));
}

}  // namespace
}  // namespace lexiweb
