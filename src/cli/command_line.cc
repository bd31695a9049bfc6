#include "cli/command_line.h"

#include <iostream>

namespace lexiweb {

bool answer_help_or_version(int argc, char** argv, std::string_view program,
                            std::string_view help) {
  if (argc != 2) return false;
  const std::string_view argument = argv[1];
  if (argument == "--help") {
    std::cout << help << std::flush;
  } else if (argument == "--version") {
    // The version comes from the project's CMake version, the one place it is set.
    std::cout << program << " " << LEXIWEB_VERSION << std::endl;
  } else {
    return false;
  }
  return true;
}

int report_wrong_usage(std::string_view program, std::string_view problem) {
  std::cerr << program << ": " << problem << " (see " << program << " --help)" << std::endl;
  return kWrongUsageStatus;
}

}  // namespace lexiweb
