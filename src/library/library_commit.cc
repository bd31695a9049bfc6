#include "library/library_commit.h"

#include <stdio.h>

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <set>

#include "library/library_files.h"
#include "shell/file_ops.h"
#include "shell/run_failure.h"

namespace fs = std::filesystem;

namespace lexiweb {

namespace {

std::mutex committing;

bool same_bytes(const std::string& a, const std::string& b) {
  std::string left;
  std::string right;
  if (!read_whole_file(b, &right)) return false;
  if (!read_whole_file(a, &left)) fail_read(a, EIO);
  return left == right;
}

}  // namespace

void hold_commit() {
  // Never let go: the process ends after the clean-up.
  committing.lock();
}

CommitCount commit_pages(const std::string& fresh, const std::string& library) {
  CommitCount count;
  std::lock_guard<std::mutex> hold(committing);
  // Folders first, files in a fixed order: the front page last, so that it
  // never names a page that is not there yet.
  std::set<std::string> files;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(fresh, error)) {
    const std::string relative = fs::relative(entry.path(), fresh).string();
    if (entry.is_directory()) {
      if (!folder_exists(library + "/" + relative)) make_folder(library + "/" + relative);
    } else {
      files.insert(relative);
    }
  }
  if (error) fail_read(fresh, error.value());
  auto move = [&](const std::string& relative) {
    const std::string source = fresh + "/" + relative;
    const std::string target = library + "/" + relative;
    if (same_bytes(source, target)) return;
    count.bytes += fs::file_size(source, error);
    if (::rename(source.c_str(), target.c_str()) != 0) fail_write(target, errno);
    ++count.changed;
  };
  for (const std::string& relative : files) {
    if (relative != kFrontPage) move(relative);
  }
  if (files.count(kFrontPage)) move(kFrontPage);
  for (const char* folder : {kWordPagesFolder, kSearchFolder, kAllWordsFolder}) {
    const std::string path = library + "/" + folder;
    if (!folder_exists(path)) continue;
    for (const auto& entry : fs::directory_iterator(path, error)) {
      const std::string relative = std::string(folder) + "/" + entry.path().filename().string();
      if (entry.is_regular_file() && !files.count(relative)) {
        delete_file(entry.path().string());
        ++count.removed;
      }
    }
  }
  return count;
}

}  // namespace lexiweb
