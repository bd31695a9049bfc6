#include "shell/file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <system_error>

#include "common/text.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/run_failure.h"

namespace fs = std::filesystem;

namespace lexiweb {

namespace {

char fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool is_plain_file(const fs::directory_entry& entry) {
  std::error_code error;
  return entry.is_regular_file(error);
}

fs::path folder_path(const std::string& folder) {
  return folder.empty() ? fs::path(".") : fs::path(folder);
}

fs::path in_folder(const std::string& folder, const std::string& name) {
  return folder.empty() ? fs::path(name) : fs::path(folder) / name;
}

}  // namespace

bool matches_pattern(std::string_view name, std::string_view pattern) {
  // Iterative match with one backtrack point for the last "*".
  size_t n = 0, p = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || fold(pattern[p]) == fold(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::string> matching_files(const std::string& folder, std::string_view pattern) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder_path(folder), error)) {
    std::string name = entry.path().filename().string();
    if (is_plain_file(entry) && matches_pattern(name, pattern)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void delete_file(const std::string& path) {
  std::error_code error;
  fs::remove(path, error);
}

void delete_matching(const std::string& folder, std::string_view pattern) {
  for (const std::string& name : matching_files(folder, pattern)) {
    std::error_code error;
    fs::remove(in_folder(folder, name), error);
  }
}

namespace {

// Writes all of `bytes` to the open file `fd`, named `path`.
void write_all(int fd, const std::string& path, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) fail_write(path, errno);
    bytes += written;
    size -= static_cast<size_t>(written);
  }
}

void close_written(int fd, const std::string& path) {
  if (::close(fd) != 0) fail_write(path, errno);
}

}  // namespace

bool copy_file(const std::string& source, const std::string& target) {
  if (!file_exists(source)) return false;
  const int from = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (from < 0) fail_read(source, errno);
  const int to = create_file(target);
  if (to < 0) fail_write(target, errno);
  constexpr size_t kChunk = 1 << 18;
  std::unique_ptr<char[]> buffer(new char[kChunk]);
  for (;;) {
    const ssize_t got = ::read(from, buffer.get(), kChunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) fail_read(source, errno);
    if (got == 0) break;
    write_all(to, target, buffer.get(), static_cast<size_t>(got));
  }
  ::close(from);
  close_written(to, target);
  return true;
}

void copy_file_with_journal(const std::string& source, const std::string& target,
                            const std::string& journal) {
  const bool copied = copy_file(source, target);
  RecordWriter out(journal);
  if (copied) {
    out.write_line("        1 file(s) copied.");
  } else {
    // No count line: the count line is what readers take as the sign of a
    // copy made, so a failed copy must never carry one.
    out.write_line("The file " + source + " could not be copied.");
  }
}

void write_whole_file(const std::string& path, std::string_view bytes) {
  const int fd = create_file(path);
  if (fd < 0) fail_write(path, errno);
  write_all(fd, path, bytes.data(), bytes.size());
  close_written(fd, path);
}

bool read_whole_file(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *bytes = std::move(buffer).str();
  return !in.bad();
}

void copy_matching(const std::string& folder, std::string_view pattern,
                   const std::string& target_folder) {
  for (const std::string& name : matching_files(folder, pattern)) {
    copy_file(in_folder(folder, name).string(), in_folder(target_folder, name).string());
  }
}

bool file_exists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

bool folder_exists(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

void make_folder(const std::string& path) {
  std::error_code error;
  fs::create_directory(path, error);
  if (error)
    std::cerr << "The folder " << path << " could not be made: " << error.message() << "\n";
}

void remove_empty_folder(const std::string& path) {
  std::error_code error;
  fs::remove(path, error);
}

void rename_endings(const std::string& folder, std::string_view old_ending,
                    std::string_view new_ending) {
  for (const std::string& name : matching_files(folder, "*")) {
    if (name.size() < old_ending.size() ||
        to_lower_ascii(name.substr(name.size() - old_ending.size())) !=
            to_lower_ascii(old_ending)) {
      continue;
    }
    std::string renamed = name.substr(0, name.size() - old_ending.size()) + std::string(new_ending);
    std::error_code error;
    fs::rename(in_folder(folder, name), in_folder(folder, renamed), error);
  }
}

namespace {

std::vector<std::string> subfolder_names() {
  std::error_code error;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(".", error)) {
    std::error_code kind_error;
    if (entry.is_directory(kind_error)) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

void list_subfolders_bare(const std::string& capture) {
  RecordWriter out(capture);
  for (const std::string& name : subfolder_names()) out.write_line(name);
}

void list_subfolders(const std::string& capture) {
  std::vector<std::string> names = subfolder_names();
  RecordWriter out(capture);
  // The header does not name the folder's path: a reader looking for a
  // sub-folder's name must not find it in the path.
  out.write_line(" Directory of the working folder");
  out.write_line("");
  for (const std::string& name : names) out.write_line("<DIR>          " + name);
  out.write_line("               " + std::to_string(names.size()) + " Dir(s)");
}

bool listing_names_folder(const std::string& capture, std::string_view folder) {
  std::string name = to_lower_ascii(folder);
  RecordReader in(capture);
  std::string_view line;
  while (in.read_line(&line)) {
    std::string text = to_lower_ascii(trim_trailing_blanks(line));
    if (text == name) return true;
    if (text.size() > name.size() && text.ends_with(name) &&
        text[text.size() - name.size() - 1] == ' ') {
      return true;
    }
  }
  return false;
}

void list_bare(const std::string& folder, std::string_view pattern, const std::string& capture) {
  RecordWriter out(capture);
  for (const std::string& name : matching_files(folder, pattern)) out.write_line(name);
}

void list_working_folder(const std::string& capture) {
  RecordWriter out(capture);
  // The header does not name the folder's path: a reader looking for a
  // sub-folder's name must not find it in the path.
  out.write_line(" Directory of the working folder");
  for (const std::string& name : matching_files(".", "*")) out.write_line(name);
}

void find_lines(std::string_view text, const std::string& file, const std::string& capture) {
  RecordWriter out(capture);
  RecordReader in;
  if (!in.open(file)) {
    std::cerr << "File not found - " << file << "\n";
    return;
  }
  out.write_line("---------- " + to_upper_ascii(file));
  std::string_view line;
  while (in.read_line(&line)) {
    if (contains_ignoring_case(line, text)) out.write_line(line);
  }
}

void type_file(const std::string& path) {
  RecordReader in(path);
  std::string_view line;
  while (in.read_line(&line)) std::cout << line << "\n";
  std::cout.flush();
}

int count_nonblank_lines(const std::string& path) {
  RecordReader in(path);
  int count = 0;
  std::string_view line;
  while (in.read_line(&line)) {
    if (!trim_leading_blanks(line).empty()) ++count;
  }
  return count;
}

}  // namespace lexiweb
