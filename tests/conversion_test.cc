// End-to-end runs of the conversion: several converter processes over page
// ranges (pdftohtml -c -i for the pages and lexiweb-render for their
// backgrounds, when built), one pdftohtml -c process when the page count
// cannot be read, and converter processes that fail on a damaged page.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

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

const std::vector<PdfOutlineEntry> kOutline = {{"Chapter 1", 1}, {"Chapter 2", 2}};

// A complete run on `pdf`, a PDF's bytes.
ProgramRun run_on(const fs::path& folder, const fs::path& bin, const std::string& pdf) {
  fs::create_directories(folder / "pdf_in");
  write_file(folder / "pdf_in" / "doc.pdf", pdf);
  return run_program(LEXIWEB_BINARY, folder, kCompleteRunInput, bin.string());
}

ProgramRun run_in(const fs::path& folder, const fs::path& bin, int pages = 6,
                  const std::string& input = kCompleteRunInput,
                  const fs::path& program = LEXIWEB_BINARY) {
  fs::create_directories(folder / "pdf_in");
  write_pdf(folder / "pdf_in" / "doc.pdf", linked_pages(pages), kOutline);
  return run_program(program, folder, input, bin.string());
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

// A pdftohtml that crashes on every range that holds page 2, as on a
// damaged page: the range runs again one page at a time, and the site is
// that of the document with page 2 wordless (its text and its link gone,
// its figure kept).
TEST(ConversionTest, PageThatCrashesTheConverterCostsThatPageAlone) {
  WorkingFolder folder;
  const fs::path bin = folder.path() / "bin";
  write_program(bin / "pdftohtml",
                "echo \"$*\" >> \"" + (bin / "calls").string() +
                    "\"\n"
                    "case \" $* \" in *\" -xml \"*) exec /usr/bin/pdftohtml \"$@\";; esac\n"
                    "range() { while [ $# -gt 0 ]; do case $1 in -f) f=$2;; -l) l=$2;; esac; "
                    "shift; done; }\n"
                    "range \"$@\"\n"
                    "[ \"$f\" -le 2 ] && [ 2 -le \"$l\" ] && kill -SEGV $$\n"
                    "exec /usr/bin/pdftohtml \"$@\"\n");
  const ProgramRun damaged = run_in(folder.path() / "damaged", bin);
  std::vector<PdfPage> wordless = linked_pages(6);
  wordless[1] = {{}, {}, wordless[1].drawing};
  const ProgramRun reference =
      run_on(folder.path() / "reference", "", make_pdf(wordless, kOutline));

  ASSERT_EQ(damaged.exit_status, 0) << damaged.errors;
  EXPECT_EQ(damaged.errors,
            "lexiweb: page 2 of doc.pdf could not be converted; the site shows it empty\n");
  EXPECT_EQ(damaged.output, reference.output);
  std::map<std::string, std::string> site = tree_of(folder.path() / "damaged");
  std::map<std::string, std::string> expected = tree_of(folder.path() / "reference");
  std::vector<std::string> apart = {"doc.pdf", "pdf_in/doc.pdf"};
#ifndef LEXIWEB_RENDERER_BUILT
  // pdftohtml -c draws the backgrounds too: page 2 gets none.
  apart.insert(apart.end(), {"htm_in/page002.png", "htm_out/page002.png", "htm_in/page2.htm",
                             "htm_out/f000002.htm"});
#endif
  for (const std::string& name : apart) {
    expected.erase(name);
    site.erase(name);
  }
  EXPECT_EQ(site, expected);
  const std::string calls = read_file(bin / "calls");
  EXPECT_NE(calls.find("-f 1 -l 6 "), std::string::npos) << calls;
  for (int page = 1; page <= 6; ++page) {
    const std::string number = std::to_string(page);
    EXPECT_NE(calls.find("-f " + number + " -l " + number + " "), std::string::npos) << calls;
  }
}

// A page whose object is no dictionary: poppler cannot read the page at
// all, so no converter can. As the last page of the document it stands
// empty, sized like the page before it, without a background.
TEST(ConversionTest, PageThatCannotBeReadStandsEmptyAndTheRunGoesOn) {
  WorkingFolder folder;
  std::string pdf = make_pdf(linked_pages(3), kOutline);
  const size_t body = pdf.rfind("<< /Type /Page ");
  const size_t body_end = pdf.find("\nendobj", body);
  ASSERT_EQ(pdf.substr(body_end - 2, 2), ">>");
  pdf[body] = '(';
  pdf[body_end - 1] = ')';
  const ProgramRun run = run_on(folder.path(), "", pdf);

  ASSERT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.errors,
            "lexiweb: page 3 of doc.pdf could not be converted; the site shows it empty\n");
  EXPECT_NE(run.output.find("words in *.pdf file ="), std::string::npos) << run.output;
  EXPECT_NE(read_file("htm_out/f000002.htm").find("<span"), std::string::npos);
  const std::string empty = read_file("htm_out/f000003.htm");
  EXPECT_EQ(empty.find("<span"), std::string::npos) << empty;
  // Empty but for its heading, the document's title (its first outline entry) with the page number.
  EXPECT_NE(empty.find("<div id=\"page3-div\" style=\"position:relative;width:918px;"
                       "height:1188px;\">\n<div class=\"lw-title\" role=\"heading\" "
                       "aria-level=\"1\" aria-label=\"Chapter 1, page 3\"></div>\n</div>"),
            std::string::npos)
      << empty;
  EXPECT_FALSE(fs::exists("htm_out/page003.png"));
}

#ifdef LEXIWEB_RENDERER_BUILT
fs::path real_renderer() { return built_private_program("lexiweb-render"); }

// A copy of the program beside a stand-in background renderer that runs
// `script` (the renderer's arguments: ZOOM FIRST LAST PDF TEXT PAGES STRUCTURE
// PREFIX).
fs::path program_with_renderer(const fs::path& folder, const std::string& script) {
  const fs::path program = program_copy_in(folder);
  write_program(private_programs_in(folder) / "lexiweb-render", script);
  return program;
}
#endif

// pdftohtml exits with status 0 even when it could not write a page image
// in full; the run must not take such an image for a page's background.
TEST(ConversionTest, UnfinishedPageImageIsNoBackground) {
  WorkingFolder folder;
  // Page 2's image, as the real converter writes it, loses its closing IEND
  // chunk, each time it is written.
#ifdef LEXIWEB_RENDERER_BUILT
  const fs::path program = program_with_renderer(
      folder.path(), "\"" + real_renderer().string() +
                         "\" \"$@\" || exit $?\n"
                         "image=\"${8}002.png\"\n"
                         "[ ! -e \"$image\" ] || truncate -s -12 \"$image\"\n");
  const fs::path bin;
  // The page keeps its words.
  const std::string errors =
      "lexiweb: the background of page 2 of doc.pdf could not be drawn; the site shows the page "
      "without it\n";
#else
  const fs::path program = LEXIWEB_BINARY;
  const fs::path bin = folder.path() / "bin";
  write_program(bin / "pdftohtml",
                "/usr/bin/pdftohtml \"$@\" || exit $?\n"
                "for last; do :; done\n"
                "image=\"$(dirname \"$last\")/page002.png\"\n"
                "[ ! -e \"$image\" ] || truncate -s -12 \"$image\"\n");
  // pdftohtml -c did not finish the page, and the page goes.
  const std::string errors =
      "lexiweb: page 2 of doc.pdf could not be converted; the site shows it empty\n";
#endif
  ProgramRun run = run_in(folder.path() / "work", bin, 3, kCompleteRunInput, program);

  EXPECT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.errors, errors);
  const fs::path site = folder.path() / "work" / "htm_out";
  EXPECT_EQ(read_file(site / "f000002.htm").find("page002.png"), std::string::npos);
  EXPECT_FALSE(fs::exists(site / "page002.png"));
  EXPECT_TRUE(fs::exists(site / "page003.png"));
}

#ifdef LEXIWEB_RENDERER_BUILT
// A renderer that dies on page 2 while it writes its image, each time: the
// page loses its background, and the half-written image is not left behind
// in the working folder under its temporary name.
TEST(ConversionTest, RendererThatDiesWritingAnImageLeavesNoPartOfIt) {
  WorkingFolder folder;
  const fs::path program = program_with_renderer(folder.path(),
                                                 "if [ \"$2\" -le 2 ] && [ 2 -le \"$3\" ]; then\n"
                                                 "  printf 'half an image' > \"${8}002.png.part\"\n"
                                                 "  kill -SEGV $$\n"
                                                 "fi\n"
                                                 "exec \"" +
                                                     real_renderer().string() + "\" \"$@\"\n");
  const ProgramRun run = run_in(folder.path() / "work", "", 3, kCompleteRunInput, program);

  EXPECT_EQ(run.exit_status, 0) << run.errors;
  EXPECT_EQ(run.errors,
            "lexiweb: the background of page 2 of doc.pdf could not be drawn; the site shows the "
            "page without it\n");
  for (const auto& [name, shown] : tree_of(folder.path() / "work")) {
    EXPECT_FALSE(name.ends_with(".part")) << name;
  }
  EXPECT_TRUE(fs::exists(folder.path() / "work" / "htm_out" / "page003.png"));
}
#endif

// True while process `id` runs: an ended process that nobody has waited for
// yet (its parent gone) does not count.
bool still_runs(pid_t id) {
  std::ifstream stat("/proc/" + std::to_string(id) + "/stat");
  std::string fields;
  if (!std::getline(stat, fields)) return false;
  const size_t name_end = fields.rfind(')');
  return name_end != std::string::npos && fields.substr(name_end + 2, 1) != "Z";
}

// The converters that TERM meets are those that convert the pages one at a
// time, after the range of both pages failed.
TEST(ConversionTest, TermEndsTheConvertersAndTheRun) {
  WorkingFolder folder;
  const fs::path started = folder.path() / "bin" / "started";
  write_program(folder.path() / "bin" / "pdftohtml",
                "case \" $* \" in *\" -xml \"*) exec /usr/bin/pdftohtml \"$@\";;\n"
                "  *\" -f 1 -l 2 \"*) exit 99;; esac\n"
                "echo $$ >> \"" +
                    started.string() + "\"\nexec sleep 1000\n");
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

}  // namespace
}  // namespace lexiweb::testing
