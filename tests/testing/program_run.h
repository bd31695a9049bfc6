// Runs the real lexiweb program in a working folder, its answers fed through
// standard input, and collects what it printed and how it ended.
#ifndef LEXIWEB_TESTING_PROGRAM_RUN_H_
#define LEXIWEB_TESTING_PROGRAM_RUN_H_

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lexiweb::testing {

struct ProgramRun {
  int exit_status = -1;  // -1 when the program did not exit normally
  int end_signal = 0;    // the signal that ended it, 0 when it exited
  std::string output;    // standard output
  std::string errors;    // standard error
};

struct ProgramSetup {
  // Put in front of PATH when not empty, so that a test can stand a wrapper
  // in for an outside program.
  std::string path_prefix;
  std::vector<std::string> arguments;
  // The largest file the program may write, when not 0. SIGXFSZ is ignored,
  // so that the write that passes it fails with EFBIG, as on a full disk.
  off_t file_size_limit = 0;
  // "NAME=VALUE" entries set in the program's environment.
  std::vector<std::string> environment = {};
};

// A program started and not yet waited for.
struct StartedProgram {
  pid_t id = -1;  // -1 when it could not be started
  std::filesystem::path scratch;
};

// Starts `program` in `folder`, `input` as its standard input.
StartedProgram start_program_run(const std::filesystem::path& program,
                                 const std::filesystem::path& folder, const std::string& input,
                                 const ProgramSetup& setup = {});

// Waits for the program to end and collects what it printed.
ProgramRun finish_program_run(const StartedProgram& started);

// start_program_run and finish_program_run.
ProgramRun run_program(const std::filesystem::path& program, const std::filesystem::path& folder,
                       const std::string& input, const std::string& path_prefix = "",
                       const std::vector<std::string>& arguments = {});

}  // namespace lexiweb::testing

#endif  // LEXIWEB_TESTING_PROGRAM_RUN_H_
