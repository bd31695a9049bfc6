#include "common/number_fields.h"

#include <charconv>

namespace lexiweb {

void append_number_field(std::string& out, long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
  out += ' ';
}

bool take_number_field(std::string_view& line, long* value) {
  const auto result = std::from_chars(line.data(), line.data() + line.size(), *value);
  if (result.ec != std::errc() || result.ptr == line.data() + line.size() || *result.ptr != ' ') {
    return false;
  }
  line.remove_prefix(result.ptr - line.data() + 1);
  return true;
}

}  // namespace lexiweb
