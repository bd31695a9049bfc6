// Builds the search address of an index item.
#include "wordindex/search_link.h"

#include "common/run_parameters.h"
#include "common/html_references.h"

namespace lexiweb {

namespace {

bool is_unreserved(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

void append_percent_encoded_byte(std::string& out, char c) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  if (is_unreserved(c)) {
    out += c;
    return;
  }
  unsigned char byte = static_cast<unsigned char>(c);
  out += '%';
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
}

// Decodes and encodes in one pass, so that no decoded copy of the context is made.
void append_encoded_context(std::string& out, std::string_view context) {
  size_t at = 0;
  while (at < context.size()) {
    if (context[at] == '&') {
      DecodedReference decoded = decode_reference(context.substr(at));
      if (decoded.length > 0) {
        append_percent_encoded(out, std::string_view(decoded.bytes, decoded.size));
        at += decoded.length;
        continue;
      }
    }
    append_percent_encoded_byte(out, context[at++]);
  }
}

}  // namespace

void append_percent_encoded(std::string& out, std::string_view bytes) {
  for (char c : bytes) append_percent_encoded_byte(out, c);
}

void append_search_address(std::string& out, std::string_view context,
                           std::string_view target_site) {
  out += "https://";
  out += search_host;
  out += "/search?q=";
  append_encoded_context(out, context);
  append_percent_encoded(out, " site:");
  append_percent_encoded(out, target_site);
}

}  // namespace lexiweb
