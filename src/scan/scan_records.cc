// Character record fields and held records of the scanning steps.
#include "scan/scan_records.h"

namespace lexiweb {

int code_value(std::string_view code_field) {
  size_t i = 0;
  while (i < code_field.size() && code_field[i] == ' ') ++i;
  int value = 0;
  for (; i < code_field.size() && code_field[i] >= '0' && code_field[i] <= '9'; ++i) {
    value = value * 10 + (code_field[i] - '0');
  }
  return value;
}

bool HeldRecord::read_from(RecordReader& in) {
  std::string_view line;
  if (!in.read_line(&line)) {
    clear();
    return false;
  }
  hold(line);
  return true;
}

void HeldRecord::hold(std::string_view line) {
  // assign() reuses the capacity of the string, so holding costs no allocation
  // once the longest line has been seen.
  line_.assign(line);
  record_.parse(line_);
}

void HeldRecord::clear() {
  line_.clear();
  record_.clear();
}

}  // namespace lexiweb
