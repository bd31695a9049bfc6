// Starts an outside program, without a command interpreter: each argument
// reaches it whole, whatever blanks or signs it holds.
#ifndef LEXIWEB_SHELL_RUN_SHELL_H_
#define LEXIWEB_SHELL_RUN_SHELL_H_

#include <string>
#include <vector>

namespace lexiweb {

// Runs arguments[0], found on the PATH, with the arguments and waits for it.
// Its output goes to the console. Returns its exit status, or -1 when it
// could not be started or did not exit normally.
int run_shell(const std::vector<std::string>& arguments);

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_RUN_SHELL_H_
