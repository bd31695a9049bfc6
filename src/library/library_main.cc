// lexiweb-library: a library of PDFs as one site. build converts the
// documents named and merges; convert and merge are its two halves, for
// conversions spread over several machines.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "driver/run_driver.h"
#include "lexiweb_library_help.h"  // written at build time from man/lexiweb-library.1.in
#include "library/build_command.h"
#include "library/convert_command.h"
#include "library/library_lock.h"
#include "library/merge_command.h"
#include "platform/ending_signals.h"
#include "shell/run_failure.h"

namespace {

constexpr char kProgram[] = "lexiweb-library";

struct Arguments {
  std::string command;
  std::vector<std::string> operands;
  lexiweb::BuildOptions build;
  std::string problem;  // wrong usage when not empty
};

bool is_number(const std::string& text) {
  return !text.empty() && text.size() < 4 &&
         text.find_first_not_of("0123456789") == std::string::npos && std::stoi(text) > 0;
}

Arguments parse(int argc, char** argv) {
  Arguments parsed;
  if (argc < 2) {
    parsed.problem = "expects a command: build, convert or merge";
    return parsed;
  }
  parsed.command = argv[1];
  if (parsed.command != "build" && parsed.command != "convert" && parsed.command != "merge") {
    parsed.problem = "unknown command " + parsed.command;
    return parsed;
  }
  const bool building = parsed.command == "build";
  const bool converting = parsed.command == "convert";
  bool options_end = false;
  for (int n = 2; n < argc; ++n) {
    const std::string argument = argv[n];
    auto value = [&](bool allowed) -> const char* {
      if (!allowed) {
        parsed.problem = parsed.command + " takes no option " + argument;
        return nullptr;
      }
      if (n + 1 >= argc) {
        parsed.problem = argument + " expects a value";
        return nullptr;
      }
      return argv[++n];
    };
    if (options_end || argument == "-" || !argument.starts_with('-')) {
      parsed.operands.push_back(argument);
    } else if (argument == "--") {
      options_end = true;
    } else if (argument == "-j") {
      const char* processes = value(building);
      if (!processes) return parsed;
      if (!is_number(processes)) {
        parsed.problem = "-j expects a number of documents from 1 to 999";
        return parsed;
      }
      parsed.build.processes = std::stoi(processes);
    } else if (argument == "--site") {
      const char* site = value(building || converting);
      if (!site) return parsed;
      parsed.build.library.target_site = site;
    } else if (argument == "--magnification") {
      const char* magnification = value(building || converting);
      if (!magnification) return parsed;
      parsed.build.library.magnification = magnification;
    } else if (argument == "--log") {
      const char* log = value(building);
      if (!log) return parsed;
      parsed.build.log_file = std::filesystem::absolute(log).string();
    } else {
      parsed.problem = "unknown option " + argument;
      return parsed;
    }
  }
  const size_t count = parsed.operands.size();
  if (building && count < 2) parsed.problem = "build expects LIBRARY SOURCE...";
  if (converting && count != 2) parsed.problem = "convert expects PDF DOCUMENTS";
  if (parsed.command == "merge" && count != 1) parsed.problem = "merge expects LIBRARY";
  return parsed;
}

std::string absolute_folder(const std::string& path) {
  std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
  while (absolute.size() > 1 && absolute.ends_with('/')) absolute.pop_back();
  return absolute;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lexiweb;
  if (answer_help_or_version(argc, argv, kProgram, kLexiwebLibraryHelp)) return 0;
  Arguments arguments = parse(argc, argv);
  if (!arguments.problem.empty()) return report_wrong_usage(kProgram, arguments.problem);
  set_program_name(kProgram);
  handle_ending_signals();
  int status = 0;
  const int ended = run_to_its_end([&] {
    if (arguments.command == "convert") {
      status =
          convert_command(arguments.operands[0], arguments.operands[1], arguments.build.library);
      return;
    }
    const std::string library = absolute_folder(arguments.operands[0]);
    lock_library(library);
    set_run_cleanup(remove_run_folders);
    if (arguments.command == "merge") {
      const MergeResult merged = merge_library(library);
      std::cout << kProgram << ": " << merged.documents << " documents, " << merged.words
                << " words in " << library << "; " << merged.pages.changed
                << " library pages written (" << merged.pages.bytes << " bytes), "
                << merged.pages.removed << " removed" << std::endl;
      status = merged.documents > 0 ? 0 : 1;
      return;
    }
    arguments.build.program = std::filesystem::canonical("/proc/self/exe").string();
    const std::vector<std::string> sources(arguments.operands.begin() + 1,
                                           arguments.operands.end());
    status = build_command(library, sources, arguments.build);
  });
  return ended != 0 ? ended : status;
}
