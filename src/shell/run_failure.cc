#include "shell/run_failure.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <mutex>

namespace lexiweb {
namespace {

const char* program_name = "lexiweb";
std::atomic<void (*)()> run_cleanup{nullptr};

// Held around every file creation; an ending run takes it and keeps it.
std::mutex creation_gate;

// Who ends the run, once one of them has begun to: main on a refused write
// or read, or an ending signal in the signal thread.
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

// A failure met while a signal ends the run, in the files its clean-up
// removes, waits for the signal's thread like the rest of the program.
[[noreturn]] void fail_with(const std::string& reason) {
  wait_when_ending_on_signal();
  throw RunFailure(std::string(program_name) + ": " + reason);
}

// Past any stream buffer: nothing may stand between the line and the exit.
void write_to_standard_error(const std::string& text) {
  for (size_t done = 0; done < text.size();) {
    const ssize_t written = ::write(STDERR_FILENO, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    done += static_cast<size_t>(written);
  }
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

void fail_write(const std::string& path, int error) {
  fail_with("cannot write " + path + ": " + std::strerror(error));
}

void fail_read(const std::string& path, int error) {
  fail_with("cannot read " + path + ": " + std::strerror(error));
}

void fail_run(const std::string& reason) { fail_with(reason); }

int end_failed_run(const RunFailure& failure) {
  Ending before = Ending::kNone;
  if (!ending.compare_exchange_strong(before, Ending::kFailure)) {
    // A signal's thread ends the run already, with the signal's status.
    for (;;) pause();
  }
  // Whatever the run printed so far comes before the line, and nothing after it.
  std::cout.flush();
  write_to_standard_error(failure.line() + "\n");
  remove_scratch_files_for_good();
  return 1;
}

int end_run_early(const RunEnding& early) {
  std::cout.flush();
  write_to_standard_error(early.line());
  return early.status();
}

int create_file(const std::string& path) {
  std::lock_guard<std::mutex> hold(creation_gate);
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

void fail_if_writes_refused(const std::string& folder) {
  rlimit limit{};
  if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
    // The first such file by name, so that the line does not depend on the listing's order.
    std::string first;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      std::error_code size_error;
      const auto size = entry.is_regular_file(size_error) ? entry.file_size(size_error) : 0;
      const std::string name = entry.path().filename().string();
      if (!size_error && size >= limit.rlim_cur && (first.empty() || name < first)) first = name;
    }
    if (!first.empty()) fail_write(folder + "/" + first, EFBIG);
  }
  // Large enough that a disk with no room left refuses it, even one that
  // keeps the smallest files beside their names.
  const std::string probe = folder + "/write-probe";
  const int fd = create_file(probe);
  // A refused probe is reported as the folder's: the probe is no file of the user's.
  if (fd < 0) fail_write(folder, errno);
  static const char kBlock[64 * 1024] = {};
  int error = 0;
  for (size_t done = 0; done < sizeof kBlock;) {
    const ssize_t written = ::write(fd, kBlock + done, sizeof kBlock - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = written < 0 ? errno : ENOSPC;
      break;
    }
    done += static_cast<size_t>(written);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  ::unlink(probe.c_str());
  if (error != 0) fail_write(folder, error);
}

bool clean_up_on_signal() {
  Ending before = Ending::kNone;
  if (!ending.compare_exchange_strong(before, Ending::kSignal)) return false;
  remove_scratch_files_for_good();
  return true;
}

}  // namespace lexiweb
