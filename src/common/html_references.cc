// Decoding of HTML character references into UTF-8 bytes.
#include "common/html_references.h"

namespace lexiweb {

namespace {

constexpr long kMaxCodePoint = 0x10FFFF;
constexpr long kNoBreakSpace = 160;

struct NamedReference {
  std::string_view name;  // with "&" and ";"
  char value;
};

constexpr NamedReference kNamedReferences[] = {
    {"&amp;", '&'},  {"&lt;", '<'},    {"&gt;", '>'},
    {"&quot;", '"'}, {"&apos;", '\''}, {"&nbsp;", ' '},
};

int digit_value(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool is_scalar_value(long code_point) {
  return code_point >= 1 && code_point <= kMaxCodePoint &&
         !(code_point >= 0xD800 && code_point <= 0xDFFF);
}

void encode_utf8(long code_point, DecodedReference& decoded) {
  char* out = decoded.bytes;
  if (code_point < 0x80) {
    out[0] = static_cast<char>(code_point);
    decoded.size = 1;
  } else if (code_point < 0x800) {
    out[0] = static_cast<char>(0xC0 | (code_point >> 6));
    out[1] = static_cast<char>(0x80 | (code_point & 0x3F));
    decoded.size = 2;
  } else if (code_point < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (code_point >> 12));
    out[1] = static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (code_point & 0x3F));
    decoded.size = 3;
  } else {
    out[0] = static_cast<char>(0xF0 | (code_point >> 18));
    out[1] = static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (code_point & 0x3F));
    decoded.size = 4;
  }
}

// "&#" digits ";" or "&#x" hex digits ";".
DecodedReference decode_numeric(std::string_view text) {
  DecodedReference decoded;
  size_t at = 2;
  int base = 10;
  if (at < text.size() && (text[at] == 'x' || text[at] == 'X')) {
    base = 16;
    ++at;
  }
  size_t first_digit = at;
  long code_point = 0;
  for (; at < text.size(); ++at) {
    int digit = digit_value(text[at], base);
    if (digit < 0) break;
    // Past the largest code point the value only has to stay invalid.
    if (code_point <= kMaxCodePoint) code_point = code_point * base + digit;
  }
  if (at == first_digit || at >= text.size() || text[at] != ';') return decoded;
  if (!is_scalar_value(code_point)) return decoded;
  if (code_point == kNoBreakSpace) code_point = ' ';
  encode_utf8(code_point, decoded);
  decoded.length = at + 1;
  return decoded;
}

}  // namespace

DecodedReference decode_reference(std::string_view text) {
  if (text.starts_with("&#")) return decode_numeric(text);
  DecodedReference decoded;
  for (const NamedReference& named : kNamedReferences) {
    if (text.starts_with(named.name)) {
      decoded.length = named.name.size();
      decoded.bytes[0] = named.value;
      decoded.size = 1;
      break;
    }
  }
  return decoded;
}

void append_decoded(std::string& out, std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    if (text[at] == '&') {
      const DecodedReference decoded = decode_reference(text.substr(at));
      if (decoded.length > 0) {
        out.append(decoded.bytes, static_cast<size_t>(decoded.size));
        at += decoded.length;
        continue;
      }
    }
    out += text[at++];
  }
}

}  // namespace lexiweb
