// Reads the text that the background renderer saw drawn (common/drawn_text.h)
// page by page, from the files of consecutive page ranges.
#ifndef LEXIWEB_TYPESET_DRAWN_TEXT_READER_H_
#define LEXIWEB_TYPESET_DRAWN_TEXT_READER_H_

#include <string>
#include <vector>

#include "common/drawn_text.h"
#include "common/file_series_lines.h"

namespace lexiweb {

class DrawnTextReader {
 public:
  // `files` hold the pages in ascending order, each file a range of them.
  explicit DrawnTextReader(std::vector<std::string> files) : lines_(std::move(files)) {}

  // The runs drawn on `page`, and the turn it is shown at (degrees
  // clockwise); false when no file holds the page whole (the renderer did
  // not reach it or was ended within it). Pages are asked for in ascending
  // order.
  bool runs_of(int page, std::vector<DrawnRun>& runs, int* rotation);

 private:
  FileSeriesLines lines_;
};

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_DRAWN_TEXT_READER_H_
