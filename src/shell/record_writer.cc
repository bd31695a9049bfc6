#include "shell/record_writer.h"

#include <unistd.h>

#include <cerrno>

#include "shell/run_failure.h"

namespace lexiweb {

void RecordWriter::open(const std::string& path) {
  close();
  used_ = 0;
  path_ = path;
  fd_ = create_file(path);
  if (fd_ < 0) fail_write(path_, errno);
}

void RecordWriter::close() {
  if (fd_ < 0) {
    used_ = 0;
    return;
  }
  flush();
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) fail_write(path_, errno);
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
  // A writer that was never opened drops what it was given.
  size_t done = 0;
  while (fd_ >= 0 && done < used_) {
    ssize_t written = ::write(fd_, buffer_.get() + done, used_ - done);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) fail_write(path_, errno);
    done += static_cast<size_t>(written);
  }
  used_ = 0;
}

}  // namespace lexiweb
