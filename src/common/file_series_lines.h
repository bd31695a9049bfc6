// The lines of a series of files read as one text, with one line that the
// reader may put back: the renderer writes what it records of a document
// range by range, and its readers take the ranges' files in turn.
#ifndef LEXIWEB_COMMON_FILE_SERIES_LINES_H_
#define LEXIWEB_COMMON_FILE_SERIES_LINES_H_

#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace lexiweb {

class FileSeriesLines {
 public:
  explicit FileSeriesLines(std::vector<std::string> files) : files_(std::move(files)) {}

  // The next line without its CR LF (or LF); false after the last file's
  // last line. A file that cannot be opened reads as empty.
  bool next(std::string& line);

  // Makes `line` the next line again (a page's first line read ahead).
  void put_back(std::string line) { pending_ = std::move(line); }

 private:
  std::vector<std::string> files_;
  size_t next_file_ = 0;
  std::ifstream in_;
  std::string pending_;
};

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_FILE_SERIES_LINES_H_
