// Writes scratch files and pages: records (quoted fields, commas, CR LF) and
// plain lines, through one large buffer so that a record costs no system call
// and no allocation. A file that cannot be created, written or closed ends
// the run (run_failure.h), so that no caller goes on after a lost write.
#ifndef LEXIWEB_SHELL_RECORD_WRITER_H_
#define LEXIWEB_SHELL_RECORD_WRITER_H_

#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace lexiweb {

class RecordWriter {
 public:
  RecordWriter() : buffer_(new char[kBufferSize]) {}
  // Opens `path` for writing, emptying it.
  explicit RecordWriter(const std::string& path) : RecordWriter() { open(path); }
  // Closes as close() does, which may throw a RunFailure, unless a failure
  // is already on its way up (run_failure.h): then the file is let go as it
  // stands, as an ending run leaves it, since a second failure must not
  // keep the first from reaching main.
  ~RecordWriter() noexcept(false);
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  // Opens `path` for writing from its start.
  void open(const std::string& path);
  // Flushes and closes. Until it is closed, a file's last megabyte may not
  // have reached the system, so its failure shows only here.
  void close();
  bool is_open() const { return fd_ >= 0; }

  // One record: every field in double quotes, separated by commas, then CR LF.
  void write_record(std::initializer_list<std::string_view> fields) {
    write_record(std::span<const std::string_view>(fields.begin(), fields.size()));
  }
  void write_record(std::span<const std::string_view> fields);

  // The text followed by CR LF.
  void write_line(std::string_view text) {
    write(text);
    write("\r\n");
  }

  // Bytes as they are.
  void write(std::string_view bytes) {
    if (bytes.size() > capacity_ - used_) {
      write_slow(bytes);
      return;
    }
    std::char_traits<char>::copy(buffer_.get() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
  }
  void write_byte(char byte) {
    if (used_ == capacity_) flush();
    buffer_[used_++] = byte;
  }

 private:
  void write_slow(std::string_view bytes);
  void flush();
  // Writes out the buffer; 0, or the system's error.
  int write_buffered();

  static constexpr size_t kBufferSize = 1 << 20;
  int fd_ = -1;
  std::string path_;
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = kBufferSize;
  size_t used_ = 0;
};

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_RECORD_WRITER_H_
