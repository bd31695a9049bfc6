// Starts an outside program, without a command interpreter: each argument
// reaches it whole, whatever blanks or signs it holds.
#ifndef LEXIWEB_SHELL_RUN_SHELL_H_
#define LEXIWEB_SHELL_RUN_SHELL_H_

#include <sys/types.h>

#include <string>
#include <vector>

namespace lexiweb {

// Runs arguments[0], found on the PATH, with the arguments and waits for it.
// Its output goes to the console. Returns its exit status, or -1 when it
// could not be started or did not exit normally.
int run_shell(const std::vector<std::string>& arguments);

// Runs arguments[0] like run_shell, but keeps its standard output in
// `output` and discards its error output. Returns its exit status, or -1.
int run_for_output(const std::vector<std::string>& arguments, std::string* output);

// Starts arguments[0], found on the PATH, without waiting for it; its
// standard output and error output both go to the file `output_path`,
// which is made or emptied (or are discarded when it cannot be). It starts with no signal blocked, whatever the
// caller blocks. Returns its process id, or -1 when it could not be started.
pid_t start_program(const std::vector<std::string>& arguments, const std::string& output_path);

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_RUN_SHELL_H_
