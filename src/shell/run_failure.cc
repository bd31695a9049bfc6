#include "shell/run_failure.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <mutex>

namespace lexiweb {
namespace {

const char* program_name = "lexiweb";
std::atomic<void (*)()> run_cleanup{nullptr};

// Held around every file creation; an ending run takes it and keeps it.
std::mutex creation_gate;

// Who ends the run, once one of them has begun to: a refused write or read
// in the run's own thread, or an ending signal in the signal thread.
enum class Ending { kNone, kFailure, kSignal };
std::atomic<Ending> ending{Ending::kNone};

// The run is ending on a signal: its thread ends the process, with the
// signal's status, and this one waits for that.
void wait_when_ending_on_signal() {
  if (ending != Ending::kSignal) return;
  for (;;) pause();
}

void remove_scratch_files_for_good() {
  // Never unlocked: the process ends after this.
  creation_gate.lock();
  if (void (*cleanup)() = run_cleanup.load()) cleanup();
}

[[noreturn]] void fail(const char* doing, const std::string& path, int error) {
  Ending before = Ending::kNone;
  if (!ending.compare_exchange_strong(before, Ending::kFailure)) {
    wait_when_ending_on_signal();
    // A failure met while this failure's clean-up or exit runs (a writer
    // closed there) must not start them over.
    std::_Exit(1);
  }
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
  remove_scratch_files_for_good();
  std::exit(1);
}

}  // namespace

void set_program_name(const char* name) { program_name = name; }

void set_run_cleanup(void (*cleanup)()) {
  run_cleanup = cleanup;
  // While a signal ends the run, the files the stages read vanish under
  // them: neither what that makes them throw nor their normal exit may end
  // the process before the signal's thread does.
  std::set_terminate([] {
    wait_when_ending_on_signal();
    std::abort();
  });
  std::atexit(wait_when_ending_on_signal);
}

void fail_write(const std::string& path, int error) { fail("write", path, error); }

void fail_read(const std::string& path, int error) { fail("read", path, error); }

int create_file(const std::string& path) {
  std::lock_guard<std::mutex> hold(creation_gate);
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

bool clean_up_on_signal() {
  Ending before = Ending::kNone;
  if (!ending.compare_exchange_strong(before, Ending::kSignal)) return false;
  remove_scratch_files_for_good();
  return true;
}

}  // namespace lexiweb
