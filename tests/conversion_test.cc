// End-to-end runs of the conversion: several converter processes over page
// ranges, one process when the page count cannot be read, and a failing
// converter process.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <sstream>

#include "e2e_support.h"
#include "tools/pdf_writer.h"

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

const std::string kCompleteRunInput = kKeysToInput + "\n" + "www.example.org\n" + "\n";

// Pages that each link to the next, the last to the first.
std::vector<PdfPage> linked_pages(int count) {
  std::vector<PdfPage> pages;
  for (int page = 1; page <= count; ++page) {
    std::string number = std::to_string(page);
    pages.push_back({{"Chapter " + number + " of the river guide", "Go to the next chapter",
                      "Water and stone " + number},
                     {internal_link(1, page % count + 1)}});
  }
  return pages;
}

// A pdftohtml that notes its arguments, one call a line, and runs the real one.
void write_noting_converter(const fs::path& bin) {
  write_program(bin / "pdftohtml", "echo \"$*\" >> \"" + (bin / "calls").string() +
                                       "\"\nexec /usr/bin/pdftohtml \"$@\"\n");
}

// Every file under `folder` with its bytes.
std::map<std::string, std::string> tree_of(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[fs::relative(entry.path(), folder).string()] = read_file(entry.path());
    }
  }
  return files;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

ProgramRun run_in(const fs::path& folder, const fs::path& bin, int pages = 6,
                  const std::string& input = kCompleteRunInput) {
  fs::create_directories(folder / "pdf_in");
  write_pdf(folder / "pdf_in" / "doc.pdf", linked_pages(pages),
            {{"Chapter 1", 1}, {"Chapter 2", 2}});
  return run_program(LEXIWEB_BINARY, folder, input, bin.string());
}

TEST(ConversionTest, RangesOnSeveralProcessesGiveTheSiteOfOneWholeDocumentProcess) {
  WorkingFolder folder;
  // A pdfinfo that cannot read the page count: one process converts the whole document.
  write_program(folder.path() / "one_bin" / "pdfinfo", "exit 1\n");
  write_noting_converter(folder.path() / "one_bin");
  ProgramRun one = run_in(folder.path() / "one", folder.path() / "one_bin");
  ASSERT_EQ(one.exit_status, 0) << one.errors;
  // Then the fragments' widths are measured the same way.
  EXPECT_EQ(read_file(folder.path() / "one_bin" / "calls"),
            "-q -c -zoom 1.5 doc.pdf htm_in/page\n"
            "-q -xml -i -zoom 1.5 doc.pdf htm_in/measure-1\n");

  // Ranges of one page and more, several processes at a time.
  write_noting_converter(folder.path() / "ranges_bin");
  setenv("LEXIWEB_CONVERTER_MIN_RANGE", "1", 1);
  ProgramRun ranges = run_in(folder.path() / "ranges", folder.path() / "ranges_bin");
  unsetenv("LEXIWEB_CONVERTER_MIN_RANGE");
  ASSERT_EQ(ranges.exit_status, 0) << ranges.errors;
  std::vector<std::string> calls = lines_of(read_file(folder.path() / "ranges_bin" / "calls"));
  EXPECT_GT(calls.size(), 2u);
  for (const std::string& call : calls) EXPECT_NE(call.find(" -f "), std::string::npos) << call;

  EXPECT_EQ(ranges.output, one.output);
  std::map<std::string, std::string> site = tree_of(folder.path() / "one");
  EXPECT_TRUE(site.contains("htm_out/f000006.htm") && site.contains("htm_in/page006.png") &&
              site.contains("htm_in/outline.htm"));
  EXPECT_EQ(tree_of(folder.path() / "ranges"), site);
}

TEST(ConversionTest, FailingRangeEndsTheConversionAndTheOtherConverters) {
  WorkingFolder folder;
  // Two pages make ranges of one page whatever the number of cores. The
  // process of page 1 fails once the other has started, which would run on
  // and on unless ended.
  const fs::path started = folder.path() / "bin" / "started";
  write_program(folder.path() / "bin" / "pdftohtml",
                "case \" $* \" in *\" -f 1 \"*)\n"
                "  i=0; while [ ! -e \"" +
                    started.string() +
                    "\" ] && [ $i -lt 50 ]; do\n"
                    "    sleep 0.1; i=$((i+1)); done\n"
                    "  echo 'Syntax Error: page 1 is damaged' >&2; exit 1;;\n"
                    "esac\n"
                    "echo $$ >> \"" +
                    started.string() +
                    "\"\n"
                    "exec sleep 1000\n");
  setenv("LEXIWEB_CONVERTER_MIN_RANGE", "1", 1);
  // The last key answers the screen where the run ends.
  ProgramRun run = run_in(folder.path() / "work", folder.path() / "bin", 2,
                          kKeysToInput + "\n" + "www.example.org\n" + "1");
  unsetenv("LEXIWEB_CONVERTER_MIN_RANGE");

  EXPECT_EQ(run.exit_status, 0) << run.errors;
  const std::string ending =
      kTargetSiteScreen +
      "pdftohtml failed on page 1 of doc.pdf: Syntax Error: page 1 is damaged\n"
      "\n"
      "number of *.htm files = 0\n"
      "\n"
      "----------------------------\n"
      "Subfolder htm_in is empty\n"
      "\n"
      "<1> = continue and end\n";
  ASSERT_GE(run.output.size(), ending.size());
  EXPECT_EQ(run.output.substr(run.output.size() - ending.size()), ending) << run.output;
  EXPECT_TRUE(fs::is_empty(folder.path() / "work" / "htm_in"));
  EXPECT_FALSE(fs::exists(folder.path() / "work" / "htm_out")) << "no page was written";
  for (const std::string& id : lines_of(read_file(started))) {
    EXPECT_EQ(kill(std::stoi(id), 0), -1) << "converter " << id << " still runs";
    EXPECT_EQ(errno, ESRCH);
  }
}

}  // namespace
}  // namespace lexiweb::testing
