#include "common/file_series_lines.h"

namespace lexiweb {

bool FileSeriesLines::next(std::string& line) {
  while (true) {
    if (!pending_.empty()) {
      line = std::move(pending_);
      pending_.clear();
      return true;
    }
    if (in_.is_open() && std::getline(in_, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    in_.close();
    in_.clear();
    if (next_file_ == files_.size()) return false;
    in_.open(files_[next_file_++], std::ios::binary);
  }
}

}  // namespace lexiweb
