#include "testing/program_run.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "testing/working_folder.h"

extern char** environ;

namespace lexiweb::testing {

namespace {

// Sets the file size limit and ignores SIGXFSZ while it lives; a program
// started meanwhile inherits both.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(off_t limit) : active_(limit > 0) {
    if (!active_) return;
    getrlimit(RLIMIT_FSIZE, &saved_limit_);
    struct rlimit lowered = saved_limit_;
    lowered.rlim_cur = static_cast<rlim_t>(limit);
    setrlimit(RLIMIT_FSIZE, &lowered);
    saved_action_ = signal(SIGXFSZ, SIG_IGN);
  }
  ~FileSizeLimit() {
    if (!active_) return;
    setrlimit(RLIMIT_FSIZE, &saved_limit_);
    signal(SIGXFSZ, saved_action_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  bool active_;
  struct rlimit saved_limit_ {};
  sighandler_t saved_action_ = SIG_DFL;
};

}  // namespace

StartedProgram start_program_run(const std::filesystem::path& program,
                                 const std::filesystem::path& folder, const std::string& input,
                                 const ProgramSetup& setup) {
  static int runs = 0;
  // Files rather than pipes: nothing can block however much either side writes.
  StartedProgram started;
  started.scratch = std::filesystem::temp_directory_path() /
                    ("lexiweb_run_" + std::to_string(getpid()) + "_" + std::to_string(++runs));
  std::filesystem::create_directories(started.scratch);
  write_file(started.scratch / "in", input);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, (started.scratch / "in").c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, (started.scratch / "out").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, (started.scratch / "err").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());

  std::vector<std::string> environment_text;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    std::string entry = *variable;
    if (!setup.path_prefix.empty() && entry.rfind("PATH=", 0) == 0) {
      entry = "PATH=" + setup.path_prefix + ":" + entry.substr(5);
    }
    environment_text.push_back(entry);
  }
  for (const std::string& entry : setup.environment) {
    std::erase_if(environment_text, [&entry](const std::string& old) {
      return old.compare(0, old.find('=') + 1, entry, 0, entry.find('=') + 1) == 0;
    });
    environment_text.push_back(entry);
  }
  std::vector<char*> environment;
  for (std::string& entry : environment_text) environment.push_back(entry.data());
  environment.push_back(nullptr);

  std::string program_text = std::filesystem::absolute(program).string();
  std::vector<std::string> argument_text = setup.arguments;
  std::vector<char*> argv = {program_text.data()};
  for (std::string& argument : argument_text) argv.push_back(argument.data());
  argv.push_back(nullptr);
  {
    FileSizeLimit limit(setup.file_size_limit);
    pid_t child;
    if (posix_spawn(&child, program_text.c_str(), &actions, nullptr, argv.data(),
                    environment.data()) == 0) {
      started.id = child;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  return started;
}

ProgramRun finish_program_run(const StartedProgram& started) {
  ProgramRun run;
  if (started.id > 0) {
    int status = 0;
    waitpid(started.id, &status, 0);
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.end_signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  }
  run.output = read_file(started.scratch / "out");
  run.errors = read_file(started.scratch / "err");
  std::filesystem::remove_all(started.scratch);
  return run;
}

ProgramRun run_program(const std::filesystem::path& program, const std::filesystem::path& folder,
                       const std::string& input, const std::string& path_prefix,
                       const std::vector<std::string>& arguments) {
  return finish_program_run(
      start_program_run(program, folder, input, ProgramSetup{path_prefix, arguments, 0, {}}));
}

}  // namespace lexiweb::testing
