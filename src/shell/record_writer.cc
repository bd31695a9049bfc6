#include "shell/record_writer.h"

#include <unistd.h>

#include <cerrno>
#include <exception>

#include "shell/run_failure.h"

namespace lexiweb {

void RecordWriter::open(const std::string& path) {
  close();
  used_ = 0;
  path_ = path;
  fd_ = create_file(path);
  if (fd_ < 0) fail_write(path_, errno);
}

RecordWriter::~RecordWriter() noexcept(false) {
  if (std::uncaught_exceptions() == 0) {
    close();
  } else if (fd_ >= 0) {
    ::close(fd_);
  }
}

void RecordWriter::close() {
  if (fd_ < 0) {
    used_ = 0;
    return;
  }
  // Closed before any failure is reported, so that it is closed once.
  const int write_error = write_buffered();
  const int fd = fd_;
  fd_ = -1;
  const int close_error = ::close(fd) != 0 ? errno : 0;
  if (write_error != 0) fail_write(path_, write_error);
  if (close_error != 0) fail_write(path_, close_error);
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
  if (const int error = write_buffered()) fail_write(path_, error);
}

int RecordWriter::write_buffered() {
  // A writer that was never opened drops what it was given.
  size_t done = 0;
  while (fd_ >= 0 && done < used_) {
    ssize_t written = ::write(fd_, buffer_.get() + done, used_ - done);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    done += static_cast<size_t>(written);
  }
  used_ = 0;
  return 0;
}

}  // namespace lexiweb
