#include "shell/run_shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <iostream>

extern char** environ;

namespace lexiweb {

int run_shell(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return -1;
  std::cout.flush();
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child;
  if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace lexiweb
