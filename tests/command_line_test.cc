// End-to-end runs of both programs with arguments: --help, --version and
// wrong usage answer at once and leave the working folder as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "testing/program_run.h"
#include "testing/working_folder.h"

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

// Every file and folder under `folder` with its bytes ("/" for a folder).
std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    entries[fs::relative(entry.path(), folder).string()] =
        entry.is_directory() ? "/" : read_file(entry.path());
  }
  return entries;
}

struct ArgumentCase {
  std::string name;
  std::vector<std::string> command;  // the program and its arguments
  int exit_status;
  std::string first_paragraph;  // of standard output: all of it, or the usage lines of the help
  std::string errors;
};

void PrintTo(const ArgumentCase& argument_case, std::ostream* out) {
  *out << argument_case.name << " (exit status " << argument_case.exit_status << ")";
}

class CommandLineTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(CommandLineTest, AnswersAndLeavesTheFolderAlone) {
  // A working folder as a user has it between runs, with a site to rebuild.
  WorkingFolder folder;
  for (const char* name : {"pdf_in", "htm_in", "htm_out"}) fs::create_directories(name);
  write_file("pdf_in/book.pdf", "%PDF-1.4");
  write_file("htm_in/index.htm", "<a href=\"page1.htm\">1</a>\n");
  write_file("htm_in/page1.htm", "<p>river water</p>\n");
  write_file("htm_out/f000001.htm", "old site");
  const auto before = snapshot(folder.path());

  const ArgumentCase& c = GetParam();
  const std::vector<std::string> arguments(c.command.begin() + 1, c.command.end());
  ProgramRun run = run_program(c.command[0], folder.path(), "\n\n1\n\n\n", "", arguments);
  EXPECT_EQ(run.exit_status, c.exit_status);
  const size_t blank_line = run.output.find("\n\n");
  EXPECT_EQ(run.output.substr(0, blank_line == std::string::npos ? blank_line : blank_line + 1),
            c.first_paragraph);
  EXPECT_EQ(run.errors, c.errors);
  EXPECT_EQ(snapshot(folder.path()), before);
}

const std::string kLexiwebUsage =
    "Usage: lexiweb\n       lexiweb --help\n       lexiweb --version\n";
const std::string kPagesUsage =
    "Usage: lexiweb-pages WORKDIR [TARGET_SITE]\n"
    "       lexiweb-pages --help\n       lexiweb-pages --version\n";
const std::string kLexiwebWrongUsage =
    "lexiweb: takes no arguments; it converts the PDF in ./pdf_in (see lexiweb --help)\n";
const std::string kPagesWrongUsage =
    "lexiweb-pages: expects WORKDIR [TARGET_SITE] (see lexiweb-pages --help)\n";

const std::string kLexiwebVersion = "lexiweb " LEXIWEB_VERSION "\n";
const std::string kPagesVersion = "lexiweb-pages " LEXIWEB_VERSION "\n";

INSTANTIATE_TEST_SUITE_P(
    Programs, CommandLineTest,
    ::testing::Values(
        ArgumentCase{"LexiwebHelp", {LEXIWEB_BINARY, "--help"}, 0, kLexiwebUsage, ""},
        ArgumentCase{"LexiwebVersion", {LEXIWEB_BINARY, "--version"}, 0, kLexiwebVersion, ""},
        ArgumentCase{"LexiwebPdfName", {LEXIWEB_BINARY, "book.pdf"}, 2, "", kLexiwebWrongUsage},
        ArgumentCase{"PagesHelp", {LEXIWEB_PAGES_BINARY, "--help"}, 0, kPagesUsage, ""},
        ArgumentCase{"PagesVersion", {LEXIWEB_PAGES_BINARY, "--version"}, 0, kPagesVersion, ""},
        ArgumentCase{"PagesThreeArguments",
                     {LEXIWEB_PAGES_BINARY, ".", "www.example.com", "x"},
                     2,
                     "",
                     kPagesWrongUsage}),
    [](const ::testing::TestParamInfo<ArgumentCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lexiweb::testing
