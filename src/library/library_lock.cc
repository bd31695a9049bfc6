#include "library/library_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

#include "library/library_commit.h"
#include "library/library_files.h"
#include "shell/run_failure.h"

namespace fs = std::filesystem;

namespace lexiweb {

namespace {

std::mutex folders_held;
std::vector<std::string> run_folders;

[[noreturn]] void cannot_run(const std::string& reason) {
  throw RunEnding(1, "lexiweb-library: " + reason + "\n");
}

}  // namespace

void lock_library(const std::string& library) {
  std::error_code error;
  fs::create_directories(library + "/" + kStateFolder, error);
  if (error) cannot_run("cannot write " + library + ": " + error.message());
  const std::string lock = library + "/" + kLockFile;
  // Kept open, and so locked, until the process ends.
  const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) cannot_run("cannot write " + lock + ": " + std::strerror(errno));
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) cannot_run(library + " is in use by another lexiweb-library run");
    cannot_run("cannot lock " + lock + ": " + std::strerror(errno));
  }
}

void add_run_folder(const std::string& path) {
  std::lock_guard<std::mutex> hold(folders_held);
  run_folders.push_back(path);
}

void remove_run_folders() {
  hold_commit();
  std::lock_guard<std::mutex> hold(folders_held);
  for (const std::string& folder : run_folders) {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
}

}  // namespace lexiweb
