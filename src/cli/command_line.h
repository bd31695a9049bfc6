// The command line of lexiweb and lexiweb-pages: the answers to --help and
// --version, and the one line that reports wrong usage.
#ifndef LEXIWEB_CLI_COMMAND_LINE_H_
#define LEXIWEB_CLI_COMMAND_LINE_H_

#include <string_view>

namespace lexiweb {

// The exit status of a program given arguments it does not take.
inline constexpr int kWrongUsageStatus = 2;

// When the one argument is --help or --version, prints `help` or the
// program's name and version on standard output and returns true.
bool answer_help_or_version(int argc, char** argv, std::string_view program, std::string_view help);

// Prints "PROGRAM: PROBLEM (see PROGRAM --help)" on standard error and
// returns kWrongUsageStatus.
int report_wrong_usage(std::string_view program, std::string_view problem);

}  // namespace lexiweb

#endif  // LEXIWEB_CLI_COMMAND_LINE_H_
