// Character record fields and held records of the scanning steps.
#include "scan/scan_records.h"

namespace lexiweb {

namespace {

// "ccccc","pppppppppp","pppppppppp","x": the columns of the usual layout.
constexpr size_t kCodeStart = 1;
constexpr size_t kPageStart = 9;
constexpr size_t kPositionStart = 22;
constexpr size_t kCharacterStart = 35;
constexpr std::string_view kFieldBreak = "\",\"";

bool has_usual_layout(std::string_view line) {
  return line.size() > kCharacterStart && line.front() == '"' && line.back() == '"' &&
         line.substr(kPageStart - 3, 3) == kFieldBreak &&
         line.substr(kPositionStart - 3, 3) == kFieldBreak &&
         line.substr(kCharacterStart - 3, 3) == kFieldBreak;
}

}  // namespace

void CharacterRecord::parse(std::string_view line) {
  if (has_usual_layout(line)) {
    code_ = line.substr(kCodeStart, kPageStart - 3 - kCodeStart);
    page_ = line.substr(kPageStart, kPositionStart - 3 - kPageStart);
    position_ = line.substr(kPositionStart, kCharacterStart - 3 - kPositionStart);
    character_ = line.substr(kCharacterStart, line.size() - 1 - kCharacterStart);
    return;
  }
  general_.parse(line);
  code_ = general_.field(kCodeField);
  page_ = general_.field(kPageField);
  position_ = general_.field(kPositionField);
  character_ = general_.field(kCharacterField);
}

bool HeldRecord::read_from(RecordReader& in) {
  std::string_view line;
  if (!in.read_line(&line)) {
    line_.clear();
    fields_.clear();
    return false;
  }
  // assign() reuses the capacity of the string, so holding costs no
  // allocation once the longest line has been seen.
  line_.assign(line);
  fields_.parse(line_);
  return true;
}

}  // namespace lexiweb
