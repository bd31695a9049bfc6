// End-to-end runs that end early: a write the system refuses, in the
// conversion, the stages and the site, and a run ended by a signal. Each must end at once with
// its own exit status and leave none of its scratch files behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <set>
#include <thread>

#include "driver/scratch_files.h"
#include "e2e_support.h"
#include "tools/page_set.h"
#include "tools/pdf_writer.h"

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

// A converted document of `pages` pages, each holding `words` words drawn
// from a small vocabulary, in the form the converter layer leaves.
tools::PageSet document(int pages, int words, const std::string& image = "") {
  static const char* const kVocabulary[] = {"water",    "stone",  "river",  "bridge", "valley",
                                            "mountain", "forest", "meadow", "harbour"};
  tools::PageSet set;
  for (int page = 1; page <= pages; ++page) {
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<title></title>\n</head>\n<body>\n<p>";
    for (int word = 0; word < words; ++word) {
      html += kVocabulary[(page * 7 + word * 5) % std::size(kVocabulary)];
      html += word % 12 == 11 ? "</p>\n<p>" : " ";
    }
    html += "</p>\n</body>\n</html>\n";
    set.pages.push_back(html);
  }
  set.image = image;
  return set;
}

// The scratch files and the files a user keeps in the working folder.
std::set<std::string> scratch_files_in(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (is_scratch_file(name)) names.insert(name);
  }
  return names;
}

struct WriteFailureCase {
  std::string name;
  int pages;
  int words;
  size_t image_size;  // of page001.png, 0 for none
  off_t file_size_limit;
  std::string error_line;
};

void PrintTo(const WriteFailureCase& failure, std::ostream* out) { *out << failure.name; }

class WriteFailureTest : public ::testing::TestWithParam<WriteFailureCase> {};

// The first write past the file size limit fails with EFBIG, as a write on a
// full disk fails with ENOSPC.
TEST_P(WriteFailureTest, EndsTheRunWithOneLineAndNoScratchFiles) {
  const WriteFailureCase& failure = GetParam();
  WorkingFolder folder;
  const std::string image =
      failure.image_size == 0 ? "" : "\x89PNG\r\n\x1a\n" + std::string(failure.image_size - 8, 'x');
  tools::write_page_set(document(failure.pages, failure.words, image), folder.path());
  write_file("notes.txt", "kept");

  const ProgramRun run = finish_program_run(
      start_program_run(LEXIWEB_PAGES_BINARY, folder.path(), "",
                        ProgramSetup{"", {folder.path().string()}, failure.file_size_limit}));

  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.errors, failure.error_line);
  EXPECT_EQ(run.output.find("words in"), std::string::npos) << run.output;
  EXPECT_EQ(scratch_files_in(folder.path()), std::set<std::string>{});
  EXPECT_EQ(read_file("notes.txt"), "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, WriteFailureTest,
    ::testing::Values(
        // Word records carry their contexts, so the word list outgrows the
        // pages and the other records.
        WriteFailureCase{"WordRecordsOfTheStages", 3, 400, 0, 40'000,
                         "lexiweb-pages: cannot write wrd_2.txt: File too large\n"},
        // The image is the largest file of the run, and copied last.
        WriteFailureCase{"PageImageOfTheSite", 2, 20, 200'000, 100'000,
                         "lexiweb-pages: cannot write htm_out/page001.png: File too large\n"}),
    [](const ::testing::TestParamInfo<WriteFailureCase>& info) { return info.param.name; });

// The converters do not all say when a write of theirs is refused; a page
// image cut short at the file size limit (the first page image, the largest
// file of the conversion) must end the run as any refused write, not stand
// for a damaged page.
TEST(ConverterWriteFailureTest, PageImagePastTheLimitEndsTheRunWithOneLine) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_pdf("pdf_in/doc.pdf", {PdfPage{{"water stone"}, {}}, PdfPage{{"river bridge"}, {}}});
  write_file("notes.txt", "kept");

  const ProgramRun run = finish_program_run(start_program_run(
      LEXIWEB_BINARY, folder.path(), kKeysToInput + "\nwww.example.org\n\n", {"", {}, 4096}));

  EXPECT_EQ(run.exit_status, 1);
#ifdef LEXIWEB_RENDERER_BUILT
  // The renderer writes an image under a name of its own until it is whole,
  // and removes it when it cannot: the folder refuses the write.
  EXPECT_EQ(run.errors, "lexiweb: cannot write htm_in: File too large\n");
#else
  EXPECT_EQ(run.errors, "lexiweb: cannot write htm_in/page001.png: File too large\n");
#endif
  EXPECT_EQ(run.output.find("words in"), std::string::npos) << run.output;
  EXPECT_EQ(scratch_files_in(folder.path()), std::set<std::string>{});
  EXPECT_EQ(read_file("notes.txt"), "kept");
}

// TERM while the stages work: the run removes its scratch files and exits
// with 128 + 15; what the user keeps in the folder stays.
TEST(SignalTest, TermInMidRunRemovesTheScratchFiles) {
  WorkingFolder folder;
  tools::write_page_set(document(300, 600), folder.path());
  write_file("notes.txt", "kept");
  write_file("w_notes.htm", "kept too");

  const StartedProgram started = start_program_run(LEXIWEB_PAGES_BINARY, folder.path(), "",
                                                   ProgramSetup{"", {folder.path().string()}});
  ASSERT_GT(started.id, 0);
  // The word records are written once every page is staged: the run is then
  // well inside its stages, with scratch files of several kinds about.
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!fs::exists("wrd_2.txt") && std::chrono::steady_clock::now() < give_up) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_TRUE(fs::exists("wrd_2.txt"));
  kill(started.id, SIGTERM);
  const ProgramRun run = finish_program_run(started);

  EXPECT_EQ(run.exit_status, 128 + SIGTERM) << run.errors;
  EXPECT_EQ(run.output.find("words in"), std::string::npos) << run.output;
  EXPECT_EQ(scratch_files_in(folder.path()), std::set<std::string>{});
  EXPECT_EQ(read_file("notes.txt"), "kept");
  EXPECT_EQ(read_file("w_notes.htm"), "kept too");
  EXPECT_EQ(read_file("htm_in/page1.htm"), document(1, 600).pages[0]);
}

}  // namespace
}  // namespace lexiweb::testing
