#include "typeset/markup_text.h"

#include "common/utf8.h"

namespace lexiweb {
namespace {

struct NamedReference {
  std::string_view name;  // between "&" and ";"
  char32_t code;
};

constexpr NamedReference kNamedReferences[] = {
    {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}, {"nbsp", 0xA0},
};

// The character of the reference at the start of `text` ("&...;"), taken
// off it; 0, with `text` as it was, when none stands there.
char32_t take_reference(std::string_view& text) {
  const size_t end = text.find(';');
  if (end == std::string_view::npos || end < 2 || end > 10) return 0;
  const std::string_view name = text.substr(1, end - 1);
  char32_t code = 0;
  if (name[0] == '#') {
    const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return 0;
    for (char c : digits) {
      int value = -1;
      if (c >= '0' && c <= '9') value = c - '0';
      if (hex && c >= 'a' && c <= 'f') value = c - 'a' + 10;
      if (hex && c >= 'A' && c <= 'F') value = c - 'A' + 10;
      if (value < 0) return 0;
      code = code * (hex ? 16 : 10) + value;
    }
    if (code == 0 || code > 0x10FFFF) code = kReplacementCharacter;
  } else {
    for (const NamedReference& reference : kNamedReferences) {
      if (name == reference.name) code = reference.code;
    }
    if (code == 0) return 0;
  }
  text.remove_prefix(end + 1);
  return code;
}

}  // namespace

std::string text_of_markup(std::string_view markup) {
  std::string text;
  text.reserve(markup.size());
  while (!markup.empty()) {
    if (markup[0] == '<') {
      const size_t end = markup.find('>');
      if (end == std::string_view::npos) break;
      markup.remove_prefix(end + 1);
    } else if (markup[0] == '&') {
      if (const char32_t code = take_reference(markup); code != 0) {
        append_utf8(text, code);
      } else {
        text += '&';
        markup.remove_prefix(1);
      }
    } else {
      const size_t next = markup.find_first_of("<&");
      text.append(markup.substr(0, next));
      markup.remove_prefix(next == std::string_view::npos ? markup.size() : next);
    }
  }
  return text;
}

void add_styled_characters(std::string_view markup, std::u32string (&by_style)[4]) {
  int bold = 0;
  int italic = 0;
  while (!markup.empty()) {
    if (markup[0] == '<') {
      const size_t end = markup.find('>');
      if (end == std::string_view::npos) return;
      const std::string_view tag = markup.substr(0, end + 1);
      if (tag == "<b>") ++bold;
      if (tag == "</b>" && bold > 0) --bold;
      if (tag == "<i>") ++italic;
      if (tag == "</i>" && italic > 0) --italic;
      markup.remove_prefix(end + 1);
      continue;
    }
    char32_t code = 0;
    if (markup[0] == '&') code = take_reference(markup);
    if (code == 0) code = take_utf8(markup);
    by_style[(bold > 0 ? 1 : 0) + (italic > 0 ? 2 : 0)] += code;
  }
}

std::string without_blanks(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ' || text[i] == '\t') continue;
    if (text.substr(i, 2) == "\xC2\xA0") {  // a no-break space
      ++i;
      continue;
    }
    kept += text[i];
  }
  return kept;
}

}  // namespace lexiweb
