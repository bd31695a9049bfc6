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

const std::string kLexiwebHelp =
    "Usage: lexiweb\n"
    "       lexiweb --help\n"
    "       lexiweb --version\n"
    "\n"
    "lexiweb works in the folder it is started in, the working folder, and\n"
    "takes no arguments. Its subfolder pdf_in holds the one PDF to convert:\n"
    "\n"
    "  mkdir -p book/pdf_in && cp book.pdf book/pdf_in/\n"
    "  cd book && lexiweb\n"
    "\n"
    "After a banner and two information screens (any key, any key, then 1 to go\n"
    "on) it asks two questions:\n"
    "  - the magnification handed to the converter: Enter for 1.5, or 2 and then\n"
    "    a number such as 1.8;\n"
    "  - the target web site of the search links, such as www.example.com,\n"
    "    or Enter to search the whole web.\n"
    "\n"
    "It converts the PDF, indexes every word and writes the site into the\n"
    "subfolder htm_out: one page per page of the document (f000001.htm is the\n"
    "first), in which a double-click on a word opens the word index at that very\n"
    "occurrence; the word index pages (in000001.htm, ...); after the document's\n"
    "pages the contents page, the about page and the all-words page; and the\n"
    "page images. Open htm_out/f000001.htm in a browser. At the end the run shows\n"
    "the number of words of the document and waits for a key.\n"
    "\n"
    "Piped answers:\n"
    "The answers can be piped in: each byte is one key, a line feed counts as\n"
    "Enter, and a question reads one line.\n"
    "\n"
    "  printf '\\n\\n1\\nwww.example.com\\n\\n' | lexiweb\n"
    "\n"
    "answers any key at the banner and at the font advice, 1 to go on, Enter for\n"
    "the magnification 1.5, the target site, and any key at the results screen.\n"
    "If the input ends while the program waits for an answer, it says so on\n"
    "standard error and exits with status 1.\n"
    "\n"
    "The manual page tells more: man lexiweb\n";

const std::string kPagesHelp =
    "Usage: lexiweb-pages WORKDIR [TARGET_SITE]\n"
    "       lexiweb-pages --help\n"
    "       lexiweb-pages --version\n"
    "\n"
    "lexiweb-pages does everything that lexiweb does after the conversion,\n"
    "and asks nothing. It takes the converted pages in WORKDIR/htm_in, as a\n"
    "lexiweb run leaves them (index.htm, which names the pages in order, the pages\n"
    "and their images), and builds the site in WORKDIR/htm_out anew: one page\n"
    "per page of the document with its words linked to the word index, the word\n"
    "index pages, the contents, about and all-words pages, and the page images.\n"
    "\n"
    "TARGET_SITE, such as www.example.com, restricts the search links of the\n"
    "word index to that web site; without it they search the whole web.\n"
    "\n"
    "It prints its progress and the number of words. A page corrected by hand in\n"
    "htm_in thus reaches the site without converting the PDF again.\n"
    "\n"
    "The manual page tells more: man lexiweb-pages\n";

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
  std::string program;
  std::vector<std::string> arguments;
  int exit_status;
  std::string output;
  std::string errors;
};

class CommandLineTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(CommandLineTest, AnswersAndLeavesTheFolderAlone) {
  // A working folder as a user has it between runs, with a site to rebuild.
  WorkingFolder folder;
  fs::create_directories("pdf_in");
  fs::create_directories("htm_in");
  fs::create_directories("htm_out");
  write_file("pdf_in/book.pdf", "%PDF-1.4");
  write_file("htm_in/index.htm", "<a href=\"page1.htm\">1</a>\n");
  write_file("htm_in/page1.htm", "<p>river water</p>\n");
  write_file("htm_out/f000001.htm", "old site");
  write_file("f_2025_01_01_00_00_00.txt", "old stamp");
  const auto before = snapshot(folder.path());

  const ArgumentCase& c = GetParam();
  ProgramRun run = run_program(c.program, folder.path(), "\n\n1\n\n\n", "", c.arguments);
  EXPECT_EQ(run.exit_status, c.exit_status);
  EXPECT_EQ(run.output, c.output);
  EXPECT_EQ(run.errors, c.errors);
  EXPECT_EQ(snapshot(folder.path()), before);
}

const std::string kLexiwebWrongUsage =
    "lexiweb: takes no arguments; it converts the PDF in ./pdf_in (see lexiweb --help)\n";
const std::string kPagesWrongUsage =
    "lexiweb-pages: expects WORKDIR [TARGET_SITE] (see lexiweb-pages --help)\n";

INSTANTIATE_TEST_SUITE_P(
    Programs, CommandLineTest,
    ::testing::Values(
        ArgumentCase{"LexiwebHelp", LEXIWEB_BINARY, {"--help"}, 0, kLexiwebHelp, ""},
        ArgumentCase{"LexiwebVersion",
                     LEXIWEB_BINARY,
                     {"--version"},
                     0,
                     "lexiweb " LEXIWEB_VERSION "\n",
                     ""},
        ArgumentCase{"LexiwebPdfName", LEXIWEB_BINARY, {"book.pdf"}, 2, "", kLexiwebWrongUsage},
        ArgumentCase{
            "LexiwebHelpAndMore", LEXIWEB_BINARY, {"--help", "x"}, 2, "", kLexiwebWrongUsage},
        ArgumentCase{"PagesHelp", LEXIWEB_PAGES_BINARY, {"--help"}, 0, kPagesHelp, ""},
        ArgumentCase{"PagesVersion",
                     LEXIWEB_PAGES_BINARY,
                     {"--version"},
                     0,
                     "lexiweb-pages " LEXIWEB_VERSION "\n",
                     ""},
        ArgumentCase{"PagesNoArgument", LEXIWEB_PAGES_BINARY, {}, 2, "", kPagesWrongUsage},
        ArgumentCase{"PagesThreeArguments",
                     LEXIWEB_PAGES_BINARY,
                     {".", "www.example.com", "x"},
                     2,
                     "",
                     kPagesWrongUsage}),
    [](const ::testing::TestParamInfo<ArgumentCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lexiweb::testing
