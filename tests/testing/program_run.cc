#include "testing/program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "testing/working_folder.h"

extern char** environ;

namespace lexiweb::testing {

ProgramRun run_program(const std::filesystem::path& program, const std::filesystem::path& folder,
                       const std::string& input, const std::string& path_prefix,
                       const std::vector<std::string>& arguments) {
  // Files rather than pipes: nothing can block however much either side writes.
  std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("lexiweb_run_" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  write_file(scratch / "in", input);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, (scratch / "in").c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, (scratch / "out").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, (scratch / "err").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());

  std::vector<std::string> environment_text;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    std::string entry = *variable;
    if (!path_prefix.empty() && entry.rfind("PATH=", 0) == 0) {
      entry = "PATH=" + path_prefix + ":" + entry.substr(5);
    }
    environment_text.push_back(entry);
  }
  std::vector<char*> environment;
  for (std::string& entry : environment_text) environment.push_back(entry.data());
  environment.push_back(nullptr);

  std::string program_text = std::filesystem::absolute(program).string();
  std::vector<std::string> argument_text = arguments;
  std::vector<char*> argv = {program_text.data()};
  for (std::string& argument : argument_text) argv.push_back(argument.data());
  argv.push_back(nullptr);
  ProgramRun run;
  pid_t child;
  if (posix_spawn(&child, program_text.c_str(), &actions, nullptr, argv.data(),
                  environment.data()) == 0) {
    int status = 0;
    waitpid(child, &status, 0);
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  run.output = read_file(scratch / "out");
  run.errors = read_file(scratch / "err");
  std::filesystem::remove_all(scratch);
  return run;
}

}  // namespace lexiweb::testing
