// Shared pieces of the end-to-end tests: the program under test and copies
// of it beside stand-ins for its private programs, the screens every run
// shows, and working folders with a pdf_in.
#ifndef LEXIWEB_TESTS_E2E_SUPPORT_H_
#define LEXIWEB_TESTS_E2E_SUPPORT_H_

#include <filesystem>
#include <string>

#include "testing/program_run.h"
#include "testing/working_folder.h"

namespace lexiweb::testing {

inline ProgramRun run_lexiweb(const std::string& input, const std::string& path_prefix = "") {
  return run_program(LEXIWEB_BINARY, std::filesystem::current_path(), input, path_prefix);
}

// The private program `name` (lib/lexiweb) built beside the program under test.
inline std::filesystem::path built_private_program(const char* name) {
  return std::filesystem::path(LEXIWEB_BINARY).parent_path() / "lib" / "lexiweb" / name;
}

// Where a copy made by program_copy_in(`folder`) looks for its private
// programs: stand-ins go there.
inline std::filesystem::path private_programs_in(const std::filesystem::path& folder) {
  return folder / "install" / "lib" / "lexiweb";
}

// A copy of the program under test, installed under `folder`, with no
// private programs yet.
inline std::filesystem::path program_copy_in(const std::filesystem::path& folder) {
  const std::filesystem::path program = folder / "install" / "bin" / "lexiweb";
  std::filesystem::create_directories(program.parent_path());
  std::filesystem::create_directories(private_programs_in(folder));
  std::filesystem::copy_file(LEXIWEB_BINARY, program);
  return program;
}

// The banner, the program name and the environment checks up to the tool tests.
inline const std::string kOpening =
    "==================================================================\n"
    "PROGRAM INDEXES PDF FILE THROUGHOUT CONTENT AND CREATES HTML FILES\n"
    "FROM WHICH YOU CAN ACCESS THE INDEX OF ALL WORDS BY JUST DOUBLE CLICKING ON THE WORD.\n"
    "\n"
    "Convert format from PDF to HTML using pdftohtml.exe (Open Source).\n"
    "More information about the program at: https://poppler.freedesktop.org/\n"
    "A format conversion program generates multiple HTML files from a single PDF file.\n"
    "Then the indexing program processes the HTML files.\n"
    "\n"
    "BOTH PROGRAMS MUST BE INSTALLED TOGETHER IN THEIR OWN FOLDER AND THE FILE (*.PDF) IN THE "
    "SUBFOLDER: PDF_IN\n"
    "\n"
    "<...> any key to continue\n"
    "\n"
    "Index program name:lexiweb_04_318.exe\n"
    "\n"
    "\n";

inline const std::string kFontAdviceAndInformation =
    "\n"
    "--------- IMPORTANT ---------\n"
    "\n"
    "FONT CONSOLAS OR LUCIDA CONSOLE MUST BE SELECTED IN THE PROGRAM EXECUTION WINDOW\n"
    "Setting procedure (necessary for correct noise reduction):\n"
    "- move the mouse to the center of the upper bold edge of the execution window;\n"
    "- right click;\n"
    "- select Properties from the drop-down menu;\n"
    "- select the Font tab;\n"
    "- in this tab the font Consolas or Lucida Console.\n"
    "\n"
    "In the Layout tab, select the size of the runtime window.\n"
    "Selected settings work when the program is restarted.\n"
    "\n"
    "<...> any key to continue\n"
    "\n"
    "Program to convert PDF to HTML: pdftohtml.exe, https://poppler.freedesktop.org/\n"
    "Program: lexiweb_04_318.exe\n"
    "More information: https://lexiweb.example.org/\n"
    "BOTH PROGRAMS MUST BE INSTALLED TOGETHER IN THEIR OWN FOLDER AND THE FILE (*.PDF) IN THE "
    "SUBFOLDER: PDF_IN\n"
    "During execution, the program creates and also deletes most *.txt and other files.\n"
    "\n"
    "----------------------------\n"
    "\n"
    "<1> continued\n"
    "<2> end\n";

// Everything a run prints up to the answer at the program information screen.
inline const std::string kChecksPassed =
    kOpening + "cmd\nwmic\nsort\nfind\n" + kFontAdviceAndInformation;

// Keys that get a run past the banner, the font advice and the information screen.
inline const std::string kKeysToInput = "\n\n1";

inline const std::string kMagnificationScreen =
    "----------------------------\n"
    "As a rule, the width of the output *.htm file must be increased\n"
    "\n"
    "<1> or <enter> predefined value = 1.5\n"
    "<2> = new selection\n"
    "<3> = end of program\n";

inline const std::string kTargetSiteScreen =
    "\n"
    "----------------------------\n"
    "The program allows targeted search.\n"
    "Google search phrases will be targeted to a specific web address.\n"
    "If the destination web address is not specified, Google search will run all over the web.\n"
    "Target web address (example: www.example.com) =? "
    "\n"
    "===============================================\n"
    "Please wait, convert from PDF to HTML, indexing\n"
    "\n";

}  // namespace lexiweb::testing

#endif  // LEXIWEB_TESTS_E2E_SUPPORT_H_
