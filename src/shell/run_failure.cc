#include "shell/run_failure.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <mutex>

namespace lexiweb {
namespace {

const char* program_name = "lexiweb";
std::atomic<void (*)()> run_cleanup{nullptr};

// Held around every file creation; an ending run takes it and keeps it.
std::mutex creation_gate;

[[noreturn]] void fail(const char* doing, const std::string& path, int error) {
  // Whatever the run printed so far comes before the line, and nothing after it.
  std::cout.flush();
  const std::string line = std::string(program_name) + ": cannot " + doing + " " + path + ": " +
                           std::strerror(error) + "\n";
  // Past any stream buffer: nothing may stand between the line and the exit.
  for (size_t done = 0; done < line.size();) {
    const ssize_t written = ::write(STDERR_FILENO, line.data() + done, line.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    done += static_cast<size_t>(written);
  }
  // A failure met while the clean-up or the exit runs (a writer closed
  // there) must not start them over.
  static std::atomic<bool> ending{false};
  if (ending.exchange(true)) std::_Exit(1);
  clean_up_for_good();
  std::exit(1);
}

}  // namespace

void set_program_name(const char* name) { program_name = name; }

void set_run_cleanup(void (*cleanup)()) { run_cleanup = cleanup; }

void fail_write(const std::string& path, int error) { fail("write", path, error); }

void fail_read(const std::string& path, int error) { fail("read", path, error); }

int create_file(const std::string& path) {
  std::lock_guard<std::mutex> hold(creation_gate);
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

void clean_up_for_good() {
  // Never unlocked: the process ends after this.
  creation_gate.lock();
  if (void (*cleanup)() = run_cleanup.load()) cleanup();
}

}  // namespace lexiweb
