#include "common/drawn_text.h"

#include <charconv>

namespace lexiweb {
namespace {

void append_number(std::string& out, long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
  out += ' ';
}

// The number at the start of `line` followed by a blank, both taken off.
bool take_number(std::string_view& line, long* value) {
  const auto result = std::from_chars(line.data(), line.data() + line.size(), *value);
  if (result.ec != std::errc() || result.ptr == line.data() + line.size() || *result.ptr != ' ') {
    return false;
  }
  line.remove_prefix(result.ptr - line.data() + 1);
  return true;
}

}  // namespace

void append_drawn_run(std::string& out, const DrawnRun& run) {
  out += kDrawnRun;
  out += ' ';
  append_number(out, run.top);
  append_number(out, run.base);
  append_number(out, run.left);
  append_number(out, run.right);
  out += run.visible ? "v " : "i ";
  out += run.text;
  out += "\r\n";
}

bool parse_drawn_run(std::string_view line, DrawnRun* run) {
  if (line.size() < 2 || line[0] != kDrawnRun || line[1] != ' ') return false;
  line.remove_prefix(2);
  if (!take_number(line, &run->top) || !take_number(line, &run->base) ||
      !take_number(line, &run->left) || !take_number(line, &run->right)) {
    return false;
  }
  if (line.size() < 2 || (line[0] != 'v' && line[0] != 'i') || line[1] != ' ') return false;
  run->visible = line[0] == 'v';
  run->text.assign(line.substr(2));
  return true;
}

}  // namespace lexiweb
