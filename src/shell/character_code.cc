#include "shell/character_code.h"

#include <array>
#include <string>

#include "common/text.h"

namespace lexiweb {

namespace {

// Made once: every record of the character lists carries one of these.
struct CodeFields {
  std::array<std::string, 256> text;
  CodeFields() {
    for (int byte = 0; byte < 256; ++byte) text[byte] = right_aligned(byte, 5);
  }
};

}  // namespace

std::string_view code_field(unsigned char byte) {
  static const CodeFields fields;
  return fields.text[byte];
}

int code_value(std::string_view code_field) {
  size_t i = 0;
  while (i < code_field.size() && code_field[i] == ' ') ++i;
  int value = 0;
  for (; i < code_field.size() && code_field[i] >= '0' && code_field[i] <= '9'; ++i) {
    value = value * 10 + (code_field[i] - '0');
    if (value > 255) return 0;
  }
  return value;
}

}  // namespace lexiweb
