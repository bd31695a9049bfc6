// End-to-end runs of the conversion: several converter processes over page
// ranges (pdftohtml -c -i for the pages and lexiweb-render for their
// backgrounds, when built), one pdftohtml -c process when the page count
// cannot be read, and a failing or crashing converter process.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "driver/scratch_files.h"
#include "e2e_support.h"
#include "tools/pdf_writer.h"
#ifdef LEXIWEB_RENDERER_BUILT
#include "tools/png_pixels.h"
#endif

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

const std::string kCompleteRunInput = kKeysToInput + "\n" + "www.example.org\n" + "\n";

// What a manual draws beneath its text: a shaded box behind a code sample,
// rules, a figure of filled and stroked curves in colour with a dashed
// line, and a small picture scaled up.
const std::string kFigure =
    "0.9 0.9 0.9 rg 66 690 480 46 re f\n"
    "0.2 0.2 0.6 RG 0.5 w 72 660 m 540 660 l S 3 w 72 100 m 540 100 l S\n"
    "1 0.5 0 rg 0 0 1 RG 2 w 150 300 m 200 450 350 450 400 300 c h B\n"
    "[6 3] 0 d 0 0.6 0 RG 1.3 w 100 250 m 512.4 620.7 l S [] 0 d\n"
    "0.3 0.7 0.9 rg 430 180 m 500 180 l 465 260 l h f\n"
    "q 90 0 0 45 100.3 500.6 cm BI /W 3 /H 2 /CS /RGB /BPC 8 /F /AHx ID\n"
    "FF0000 00FF00 0000FF FFFF00 00FFFF 800080> EI Q";

// Pages that each link to the next, the last to the first; every other page
// has the figure.
std::vector<PdfPage> linked_pages(int count) {
  std::vector<PdfPage> pages;
  for (int page = 1; page <= count; ++page) {
    std::string number = std::to_string(page);
    pages.push_back({{"Chapter " + number + " of the river guide", "Go to the next chapter",
                      "Water and stone " + number},
                     {internal_link(1, page % count + 1)},
                     page % 2 == 0 ? kFigure : ""});
  }
  return pages;
}

// A pdftohtml that notes its arguments, one call a line, and runs the real one.
void write_noting_converter(const fs::path& bin) {
  write_program(bin / "pdftohtml", "echo \"$*\" >> \"" + (bin / "calls").string() +
                                       "\"\nexec /usr/bin/pdftohtml \"$@\"\n");
}

// What a file shows: its bytes, or for the images of the renderer, whose
// compression differs from pdftohtml's, its size, colour type and a digest
// of its pixels, short enough to show when a comparison fails.
std::string content_of(const fs::path& file) {
#ifdef LEXIWEB_RENDERER_BUILT
  if (file.extension() == ".png") {
    PngPixels image;
    std::string error;
    if (!read_png(file, &image, &error)) return error;
    const std::string_view rows(reinterpret_cast<const char*>(image.rows.data()),
                                image.rows.size());
    return std::to_string(image.width) + "x" + std::to_string(image.height) + " depth " +
           std::to_string(image.bit_depth) + " colour type " + std::to_string(image.color_type) +
           " pixels #" + std::to_string(std::hash<std::string_view>()(rows));
  }
#endif
  return read_file(file);
}

// Every file under `folder` with what it shows.
std::map<std::string, std::string> tree_of(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[fs::relative(entry.path(), folder).string()] = content_of(entry.path());
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
                  const std::string& input = kCompleteRunInput,
                  const fs::path& program = LEXIWEB_BINARY) {
  fs::create_directories(folder / "pdf_in");
  write_pdf(folder / "pdf_in" / "doc.pdf", linked_pages(pages),
            {{"Chapter 1", 1}, {"Chapter 2", 2}});
  return run_program(program, folder, input, bin.string());
}

// How a run ends when the converter failed as the line `failure` says.
std::string failed_conversion_ending(const std::string& failure) {
  return kTargetSiteScreen + failure +
         "\n"
         "\n"
         "number of *.htm files = 0\n"
         "\n"
         "----------------------------\n"
         "Subfolder htm_in is empty\n"
         "\n"
         "<1> = continue and end\n";
}

// The pages byte for byte, the images pixel for pixel: the ranges give what
// one pdftohtml -c process over the whole document gives.
TEST(ConversionTest, RangesOnSeveralProcessesGiveTheSiteOfOneWholeDocumentProcess) {
  WorkingFolder folder;
  // A pdfinfo that cannot read the page count: one process converts the whole document.
  write_program(folder.path() / "one_bin" / "pdfinfo", "exit 1\n");
  write_noting_converter(folder.path() / "one_bin");
  ProgramRun one = run_in(folder.path() / "one", folder.path() / "one_bin");
  ASSERT_EQ(one.exit_status, 0) << one.errors;
  EXPECT_EQ(read_file(folder.path() / "one_bin" / "calls"),
            "-q -c -zoom 1.5 doc.pdf htm_in/page\n");

  // Ranges of one page and more, several processes at a time.
  write_noting_converter(folder.path() / "ranges_bin");
  setenv("LEXIWEB_CONVERTER_MIN_RANGE", "1", 1);
  ProgramRun ranges = run_in(folder.path() / "ranges", folder.path() / "ranges_bin");
  unsetenv("LEXIWEB_CONVERTER_MIN_RANGE");
  ASSERT_EQ(ranges.exit_status, 0) << ranges.errors;
  std::vector<std::string> calls = lines_of(read_file(folder.path() / "ranges_bin" / "calls"));
  EXPECT_GT(calls.size(), 2u);
  for (const std::string& call : calls) {
    EXPECT_NE(call.find(" -f "), std::string::npos) << call;
#ifdef LEXIWEB_RENDERER_BUILT
    // The backgrounds come from the renderer alone: pdftohtml draws no image.
    EXPECT_NE(call.find(" -i "), std::string::npos) << call;
#endif
  }

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
  const std::string ending = failed_conversion_ending(
      "pdftohtml failed on page 1 of doc.pdf: Syntax Error: page 1 is damaged");
  ASSERT_GE(run.output.size(), ending.size());
  EXPECT_EQ(run.output.substr(run.output.size() - ending.size()), ending) << run.output;
  EXPECT_TRUE(fs::is_empty(folder.path() / "work" / "htm_in"));
  EXPECT_FALSE(fs::exists(folder.path() / "work" / "htm_out")) << "no page was written";
  for (const std::string& id : lines_of(read_file(started))) {
    EXPECT_EQ(kill(std::stoi(id), 0), -1) << "converter " << id << " still runs";
    EXPECT_EQ(errno, ESRCH);
  }
}

#ifdef LEXIWEB_RENDERER_BUILT
// The background renderer built beside the program.
fs::path real_renderer() {
  return fs::path(LEXIWEB_BINARY).parent_path() / "lib" / "lexiweb" / "lexiweb-render";
}

// A copy of the program under `folder`/install/bin, beside a stand-in
// background renderer that runs `script` (the renderer's arguments: ZOOM
// FIRST LAST PDF PREFIX).
fs::path program_with_renderer(const fs::path& folder, const std::string& script) {
  const fs::path program = folder / "install" / "bin" / "lexiweb";
  fs::create_directories(program.parent_path());
  fs::copy_file(LEXIWEB_BINARY, program);
  write_program(folder / "install" / "lib" / "lexiweb" / "lexiweb-render", script);
  return program;
}
#endif

// pdftohtml exits with status 0 even when it could not write a page image
// in full; the run must take such an image for a failed conversion.
TEST(ConversionTest, UnfinishedPageImageIsAFailedConversion) {
  WorkingFolder folder;
  // Page 2's image, as the real converter writes it, loses its closing IEND chunk.
#ifdef LEXIWEB_RENDERER_BUILT
  const fs::path program = program_with_renderer(
      folder.path(), "\"" + real_renderer().string() +
                         "\" \"$@\" || exit $?\n"
                         "image=\"${7}002.png\"\n"
                         "[ ! -e \"$image\" ] || truncate -s -12 \"$image\"\n");
  const fs::path bin;
#else
  const fs::path program = LEXIWEB_BINARY;
  const fs::path bin = folder.path() / "bin";
  write_program(bin / "pdftohtml",
                "/usr/bin/pdftohtml \"$@\" || exit $?\n"
                "for last; do :; done\n"
                "image=\"$(dirname \"$last\")/page002.png\"\n"
                "[ ! -e \"$image\" ] || truncate -s -12 \"$image\"\n");
#endif
  ProgramRun run = run_in(folder.path() / "work", bin, 3,
                          kKeysToInput + "\n" + "www.example.org\n" + "1", program);

  EXPECT_EQ(run.exit_status, 0) << run.errors;
  const std::string ending = failed_conversion_ending(
      "pdftohtml did not finish page 2 of doc.pdf: its image page002.png ends before its IEND "
      "chunk");
  ASSERT_GE(run.output.size(), ending.size()) << run.output;
  EXPECT_EQ(run.output.substr(run.output.size() - ending.size()), ending) << run.output;
  EXPECT_TRUE(fs::is_empty(folder.path() / "work" / "htm_in"));
}

// True while process `id` runs: an ended process that nobody has waited for
// yet (its parent gone) does not count.
bool still_runs(pid_t id) {
  std::ifstream stat("/proc/" + std::to_string(id) + "/stat");
  std::string fields;
  if (!std::getline(stat, fields)) return false;
  const size_t name_end = fields.rfind(')');
  return name_end != std::string::npos && fields.substr(name_end + 2, 1) != "Z";
}

TEST(ConversionTest, TermEndsTheConvertersAndTheRun) {
  WorkingFolder folder;
  const fs::path started = folder.path() / "bin" / "started";
  write_program(folder.path() / "bin" / "pdftohtml",
                "echo $$ >> \"" + started.string() + "\"\nexec sleep 1000\n");
  fs::create_directories(folder.path() / "work" / "pdf_in");
  write_pdf(folder.path() / "work" / "pdf_in" / "doc.pdf", linked_pages(2));
  const StartedProgram run = start_program_run(LEXIWEB_BINARY, folder.path() / "work",
                                               kKeysToInput + "\n" + "www.example.org\n",
                                               {(folder.path() / "bin").string(), {}, 0});
  ASSERT_GT(run.id, 0);
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (read_file(started).empty() && std::chrono::steady_clock::now() < give_up) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_FALSE(read_file(started).empty()) << "no converter started";
  kill(run.id, SIGTERM);
  const ProgramRun ended = finish_program_run(run);

  EXPECT_EQ(ended.exit_status, 128 + SIGTERM) << ended.errors;
  for (const std::string& id : lines_of(read_file(started))) {
    // The ended converters are taken by whoever inherits them; wait for that a little.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (still_runs(std::stoi(id)) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(still_runs(std::stoi(id))) << "converter " << id << " still runs";
  }
  for (const auto& entry : fs::directory_iterator(folder.path() / "work")) {
    EXPECT_FALSE(is_scratch_file(entry.path().filename().string())) << entry.path();
  }
}
#ifdef LEXIWEB_RENDERER_BUILT
// A document that crashes poppler's library while the background renderer
// draws it ends that range's process only: the run reports a failed
// conversion as for pdftohtml. The program is copied beside a renderer that
// crashes on the range of page 2 and runs the real one on the others; two
// pages make ranges of one page whatever the number of cores.
TEST(ConversionTest, RendererThatCrashesOnARangeIsAFailedConversion) {
  WorkingFolder folder;
  const fs::path program =
      program_with_renderer(folder.path(), "[ \"$2\" = 2 ] && kill -SEGV $$\nexec \"" +
                                               real_renderer().string() + "\" \"$@\"\n");
  setenv("LEXIWEB_CONVERTER_MIN_RANGE", "1", 1);
  ProgramRun run = run_in(folder.path() / "work", "", 2,
                          kKeysToInput + "\n" + "www.example.org\n" + "1", program);
  unsetenv("LEXIWEB_CONVERTER_MIN_RANGE");

  EXPECT_EQ(run.exit_status, 0) << run.errors;
  const std::string ending =
      failed_conversion_ending("pdftohtml failed on page 2 of doc.pdf: it was ended by signal 11");
  ASSERT_GE(run.output.size(), ending.size());
  EXPECT_EQ(run.output.substr(run.output.size() - ending.size()), ending) << run.output;
  EXPECT_TRUE(fs::is_empty(folder.path() / "work" / "htm_in"));
}
#endif

}  // namespace
}  // namespace lexiweb::testing
