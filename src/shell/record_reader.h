// Reads scratch files back: plain lines, or records split into their items.
// Lines are handed out as views into one large buffer, so that reading a
// record costs no allocation. A view stays valid only until the next call of
// any reading member, at_end() included, since that may read ahead into the
// buffer: copy what must outlive it.
#ifndef LEXIWEB_SHELL_RECORD_READER_H_
#define LEXIWEB_SHELL_RECORD_READER_H_

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace lexiweb {

// The items of one record. A field that the record does not have reads as empty.
class Record {
 public:
  static constexpr int kMaxFields = 12;

  // Field n, counting from 1.
  std::string_view field(int n) const {
    return (n >= 1 && n <= count_) ? fields_[n - 1] : std::string_view();
  }
  int size() const { return count_; }
  void clear() { count_ = 0; }

  // Splits `line` into items: a quoted item runs to the next double quote and
  // the quotes are dropped; an unquoted one runs to the next comma, blanks
  // removed at both ends.
  void parse(std::string_view line);

 private:
  std::array<std::string_view, kMaxFields> fields_;
  int count_ = 0;
};

class RecordReader {
 public:
  RecordReader();
  explicit RecordReader(const std::string& path) : RecordReader() { open(path); }
  ~RecordReader() { close(); }
  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  // Opens `path` for reading; a missing file reads as empty (and the result
  // is false). A file that is there but cannot be read ends the run
  // (run_failure.h), as does a failed read.
  bool open(const std::string& path);
  void close();

  // The next line without its CR LF or lone LF; false at the end of the file.
  bool read_line(std::string_view* line);
  // The next line split into items; at the end of the file the record is
  // empty and the result false.
  bool read_record(Record* record);
  // Up to `size` bytes of the file as they are; 0 at the end.
  size_t read_bytes(char* out, size_t size);

  // True when no further line (or byte) can be read; may read ahead.
  bool at_end();
  // Starts reading again from the first line.
  void rewind();

 private:
  bool fill();

  static constexpr size_t kBufferSize = 1 << 20;
  int fd_ = -1;
  std::string path_;
  bool eof_ = true;
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = kBufferSize;
  size_t begin_ = 0;  // first unread byte
  size_t end_ = 0;    // end of the bytes read into the buffer
};

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_RECORD_READER_H_
