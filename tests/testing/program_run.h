// Runs the real lexiweb program in a working folder, its answers fed through
// standard input, and collects what it printed and how it ended.
#ifndef LEXIWEB_TESTING_PROGRAM_RUN_H_
#define LEXIWEB_TESTING_PROGRAM_RUN_H_

#include <filesystem>
#include <string>
#include <vector>

namespace lexiweb::testing {

struct ProgramRun {
  int exit_status = -1;  // -1 when the program did not exit normally
  std::string output;    // standard output
  std::string errors;    // standard error
};

// Runs `program` with `arguments` in `folder`, `input` as its standard input.
// When `path_prefix` is not empty it is put in front of PATH, so that a test
// can stand a wrapper in for an outside program.
ProgramRun run_program(const std::filesystem::path& program, const std::filesystem::path& folder,
                       const std::string& input, const std::string& path_prefix = "",
                       const std::vector<std::string>& arguments = {});

}  // namespace lexiweb::testing

#endif  // LEXIWEB_TESTING_PROGRAM_RUN_H_
