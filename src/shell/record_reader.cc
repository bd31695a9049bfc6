#include "shell/record_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "shell/run_failure.h"

namespace lexiweb {

void Record::parse(std::string_view line) {
  count_ = 0;
  size_t pos = 0;
  const size_t size = line.size();
  while (count_ < kMaxFields) {
    while (pos < size && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    std::string_view item;
    if (pos < size && line[pos] == '"') {
      size_t close = line.find('"', pos + 1);
      if (close == std::string_view::npos) close = size;
      item = line.substr(pos + 1, close - pos - 1);
      pos = line.find(',', close);
    } else {
      size_t comma = line.find(',', pos);
      item = line.substr(pos, (comma == std::string_view::npos ? size : comma) - pos);
      while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.remove_suffix(1);
      pos = comma;
    }
    fields_[count_++] = item;
    if (pos == std::string_view::npos) break;
    ++pos;  // past the comma
  }
}

RecordReader::RecordReader() : buffer_(new char[kBufferSize]) {}

bool RecordReader::open(const std::string& path) {
  close();
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0 && errno != ENOENT && errno != ENOTDIR) fail_read(path, errno);
  path_ = path;
  eof_ = fd_ < 0;
  return fd_ >= 0;
}

void RecordReader::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  eof_ = true;
  begin_ = end_ = 0;
}

bool RecordReader::fill() {
  if (eof_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == capacity_) {
    // A line longer than the buffer: grow it, which happens only for such lines.
    auto larger = std::make_unique<char[]>(capacity_ * 2);
    std::memcpy(larger.get(), buffer_.get(), end_);
    buffer_ = std::move(larger);
    capacity_ *= 2;
  }
  for (;;) {
    ssize_t got = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) fail_read(path_, errno);
    if (got == 0) {
      eof_ = true;
      return false;
    }
    end_ += static_cast<size_t>(got);
    return true;
  }
}

bool RecordReader::read_line(std::string_view* line) {
  size_t searched = begin_;
  for (;;) {
    const char* start = buffer_.get() + searched;
    const void* newline = std::memchr(start, '\n', end_ - searched);
    if (newline != nullptr) {
      size_t stop = static_cast<const char*>(newline) - buffer_.get();
      size_t length = stop - begin_;
      if (length > 0 && buffer_[stop - 1] == '\r') --length;
      *line = std::string_view(buffer_.get() + begin_, length);
      begin_ = stop + 1;
      return true;
    }
    size_t scanned = end_ - begin_;
    if (!fill()) break;
    searched = begin_ + scanned;
  }
  if (begin_ == end_) {
    *line = std::string_view();
    return false;
  }
  // The last line of a file that does not end with a line break.
  size_t length = end_ - begin_;
  if (buffer_[end_ - 1] == '\r') --length;
  *line = std::string_view(buffer_.get() + begin_, length);
  begin_ = end_;
  return true;
}

bool RecordReader::read_record(Record* record) {
  std::string_view line;
  if (!read_line(&line)) {
    record->clear();
    return false;
  }
  record->parse(line);
  return true;
}

size_t RecordReader::read_bytes(char* out, size_t size) {
  if (begin_ == end_ && !fill()) return 0;
  size_t part = std::min(size, end_ - begin_);
  std::memcpy(out, buffer_.get() + begin_, part);
  begin_ += part;
  return part;
}

bool RecordReader::at_end() {
  if (begin_ < end_) return false;
  return !fill();
}

void RecordReader::rewind() {
  if (fd_ < 0) return;
  ::lseek(fd_, 0, SEEK_SET);
  eof_ = false;
  begin_ = end_ = 0;
}

}  // namespace lexiweb
