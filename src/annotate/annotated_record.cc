// Formatting of annotated character records, kept allocation-free for the
// passes that write hundreds of records per word.
#include "annotate/annotated_record.h"

#include <array>

#include "common/text.h"

namespace lexiweb {

namespace {

struct CodeFields {
  std::array<std::string, 256> text;
  CodeFields() {
    for (int byte = 0; byte < 256; ++byte) text[byte] = right_aligned(byte, 5);
  }
};

const CodeFields& code_fields() {
  static const CodeFields fields;
  return fields;
}

}  // namespace

std::string_view code_field(unsigned char byte) { return code_fields().text[byte]; }

int character_code(std::string_view code) {
  int value = 0;
  bool any_digit = false;
  for (char c : code) {
    if (c == ' ' && !any_digit) continue;
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    any_digit = true;
    if (value > 255) return 0;
  }
  return value;
}

void append_markup_records(std::string& out, std::string_view markup, std::string_view page,
                           std::string_view marker) {
  for (char c : markup) {
    out += '"';
    out += code_field(static_cast<unsigned char>(c));
    out += "\",\"";
    out += page;
    out += "\",\"";
    out += kBlankPosition;
    out += "\",\"";
    out += marker;
    out += "\"\r\n";
  }
}

}  // namespace lexiweb
