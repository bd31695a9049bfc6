#include "shell/run_shell.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

extern char** environ;

namespace lexiweb {
namespace {

std::vector<char*> argument_vector(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// Spawn attributes that start the program with no signal blocked: the run
// blocks its ending signals (ending_signals.h), and a program must not
// inherit that.
class NothingBlocked {
 public:
  NothingBlocked() {
    posix_spawnattr_init(&attributes_);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK);
  }
  ~NothingBlocked() { posix_spawnattr_destroy(&attributes_); }
  NothingBlocked(const NothingBlocked&) = delete;
  NothingBlocked& operator=(const NothingBlocked&) = delete;
  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

int wait_for_exit(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int run_shell(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return -1;
  std::cout.flush();
  std::vector<char*> argv = argument_vector(arguments);
  pid_t child;
  NothingBlocked attributes;
  if (posix_spawnp(&child, argv[0], nullptr, attributes.get(), argv.data(), environ) != 0) {
    return -1;
  }
  return wait_for_exit(child);
}

int run_for_output(const std::vector<std::string>& arguments, std::string* output) {
  output->clear();
  if (arguments.empty()) return -1;
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv = argument_vector(arguments);
  pid_t child;
  NothingBlocked attributes;
  const bool started =
      posix_spawnp(&child, argv[0], &actions, attributes.get(), argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  // Read to the end before waiting, so that a long output cannot fill the pipe and stall it.
  char buffer[4096];
  for (;;) {
    ssize_t got = read(pipe_ends[0], buffer, sizeof buffer);
    if (got > 0) {
      output->append(buffer, static_cast<size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  close(pipe_ends[0]);
  return started ? wait_for_exit(child) : -1;
}

pid_t start_program(const std::vector<std::string>& arguments, const std::string& output_path) {
  if (arguments.empty()) return -1;
  std::cout.flush();
  // Opened here rather than in the child, so that a file that cannot be
  // made is not taken for a program that cannot be started.
  int output = open(output_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (output < 0) output = open("/dev/null", O_WRONLY | O_CLOEXEC);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (output >= 0) {
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output, STDERR_FILENO);
  }
  NothingBlocked attributes;
  std::vector<char*> argv = argument_vector(arguments);
  pid_t child;
  const bool started =
      posix_spawnp(&child, argv[0], &actions, attributes.get(), argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (output >= 0) close(output);
  return started ? child : -1;
}

}  // namespace lexiweb
