#include "typeset/drawn_text_reader.h"

#include <string_view>

#include "common/text.h"

namespace lexiweb {
namespace {

// The page number of a page start line, or 0 when `line` is none.
long page_of(std::string_view line) {
  if (line.size() < 3 || line[0] != kDrawnPageStart || line[1] != ' ') return 0;
  return whole_value(line.substr(2));
}

// The turn that follows the page number of a page start line.
int rotation_of(std::string_view line) {
  const size_t blank = line.find(' ', 2);
  return blank == std::string_view::npos ? 0 : static_cast<int>(whole_value(line.substr(blank)));
}

bool is_page_end(std::string_view line) { return line.size() == 1 && line[0] == kDrawnPageEnd; }

}  // namespace

bool DrawnTextReader::runs_of(int page, std::vector<DrawnRun>& runs, int* rotation) {
  runs.clear();
  *rotation = 0;
  std::string line;
  // Find the page's start line, passing over earlier pages.
  while (true) {
    if (!lines_.next(line)) return false;
    const long number = page_of(line);
    if (number == page) {
      *rotation = rotation_of(line);
      break;
    }
    if (number > page) {
      lines_.put_back(std::move(line));
      return false;
    }
  }
  DrawnRun run;
  while (lines_.next(line)) {
    if (is_page_end(line)) return true;
    if (page_of(line) != 0) {  // the page was cut short
      lines_.put_back(std::move(line));
      break;
    }
    if (parse_drawn_run(line, &run)) runs.push_back(run);
  }
  runs.clear();
  return false;
}

}  // namespace lexiweb
