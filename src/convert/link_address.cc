// Decodes character references the way an HTML attribute value is read,
// then looks at the scheme the address starts with. Decoding only what
// matters for the scheme keeps the table short: a reference that is not
// decoded leaves its "&" in the text, and a scheme with an "&" in it is no
// allowed scheme, so such a link is dropped, never let through.
#include "convert/link_address.h"

#include <algorithm>
#include <utility>

namespace lexiweb {
namespace {

struct NamedReference {
  std::string_view name;
  char character;
};

// The named references of HTML that stand for ASCII characters.
constexpr NamedReference kNamedReferences[] = {
    {"Tab", '\t'},         {"NewLine", '\n'},
    {"excl", '!'},         {"quot", '"'},
    {"QUOT", '"'},         {"num", '#'},
    {"dollar", '$'},       {"percnt", '%'},
    {"amp", '&'},          {"AMP", '&'},
    {"apos", '\''},        {"lpar", '('},
    {"rpar", ')'},         {"ast", '*'},
    {"midast", '*'},       {"plus", '+'},
    {"comma", ','},        {"period", '.'},
    {"sol", '/'},          {"colon", ':'},
    {"semi", ';'},         {"lt", '<'},
    {"LT", '<'},           {"equals", '='},
    {"gt", '>'},           {"GT", '>'},
    {"quest", '?'},        {"commat", '@'},
    {"lsqb", '['},         {"lbrack", '['},
    {"bsol", '\\'},        {"rsqb", ']'},
    {"rbrack", ']'},       {"Hat", '^'},
    {"lowbar", '_'},       {"UnderBar", '_'},
    {"grave", '`'},        {"DiacriticalGrave", '`'},
    {"lcub", '{'},         {"lbrace", '{'},
    {"verbar", '|'},       {"vert", '|'},
    {"VerticalLine", '|'}, {"rcub", '}'},
    {"rbrace", '}'},
};

// Stands for every character outside ASCII: no scheme holds it.
constexpr char kNotAscii = '\x80';

int digit_value(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// For `text` starting with "&#": the character of the numeric reference and
// the length of the reference; length 0 when no digit follows, for then the
// text is no reference.
std::pair<char, size_t> numeric_reference(std::string_view text) {
  size_t i = 2;
  int base = 10;
  if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  }
  const size_t digits = i;
  long value = 0;
  for (int digit; i < text.size() && (digit = digit_value(text[i], base)) >= 0; ++i) {
    // Anything past the last code point reads as the replacement character.
    value = std::min(value * base + digit, 0x110000L);
  }
  if (i == digits) return {0, 0};
  if (i < text.size() && text[i] == ';') ++i;
  // Code 0 reads as the replacement character too.
  const char character = value > 0 && value < 0x80 ? static_cast<char>(value) : kNotAscii;
  return {character, i};
}

// For `text` starting with "&": the character of the named reference and its
// length; length 0 when the text starts with no name of the table and ";".
std::pair<char, size_t> named_reference(std::string_view text) {
  for (const NamedReference& entry : kNamedReferences) {
    const std::string_view name = text.substr(1, entry.name.size());
    if (name == entry.name && text.size() > 1 + name.size() && text[1 + name.size()] == ';') {
      return {entry.character, name.size() + 2};
    }
  }
  return {0, 0};
}

}  // namespace

std::string address_as_browser_reads(std::string_view href) {
  std::string address;
  address.reserve(href.size());
  size_t i = 0;
  while (i < href.size()) {
    char c = href[i];
    size_t length = 1;
    if (c == '&') {
      auto [character, reference_length] = href.substr(i).starts_with("&#")
                                               ? numeric_reference(href.substr(i))
                                               : named_reference(href.substr(i));
      if (reference_length > 0) {
        c = character;
        length = reference_length;
      }
    }
    i += length;
    const unsigned char code = static_cast<unsigned char>(c);
    if (code <= 32 || code == 127) continue;
    address += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return address;
}

bool is_followable_link(std::string_view href) {
  const std::string address = address_as_browser_reads(href);
  const size_t end = address.find_first_of(":/?#");
  if (end == std::string::npos || address[end] != ':') return true;
  const std::string_view scheme = std::string_view(address).substr(0, end);
  return scheme == "http" || scheme == "https" || scheme == "ftp" || scheme == "mailto";
}

}  // namespace lexiweb
