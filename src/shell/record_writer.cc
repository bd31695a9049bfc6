#include "shell/record_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace lexiweb {

bool RecordWriter::open(const std::string& path) {
  close();
  failed_ = false;
  used_ = 0;
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  return fd_ >= 0;
}

bool RecordWriter::close() {
  if (fd_ < 0) {
    used_ = 0;
    return !failed_;
  }
  flush();
  if (::close(fd_) != 0) failed_ = true;
  fd_ = -1;
  return !failed_;
}

void RecordWriter::write_record(std::span<const std::string_view> fields) {
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) write_byte(',');
    first = false;
    write_byte('"');
    write(field);
    write_byte('"');
  }
  write("\r\n");
}

void RecordWriter::write_slow(std::string_view bytes) {
  while (!bytes.empty()) {
    if (used_ == capacity_) flush();
    size_t part = std::min(bytes.size(), capacity_ - used_);
    std::char_traits<char>::copy(buffer_.get() + used_, bytes.data(), part);
    used_ += part;
    bytes.remove_prefix(part);
  }
}

void RecordWriter::flush() {
  // A writer that is not open drops what it was given, like a write to a
  // file that could not be created.
  size_t done = 0;
  while (fd_ >= 0 && done < used_) {
    ssize_t written = ::write(fd_, buffer_.get() + done, used_ - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
      break;
    }
    done += static_cast<size_t>(written);
  }
  used_ = 0;
}

}  // namespace lexiweb
