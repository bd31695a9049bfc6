// Symbol's table is Adobe's Symbol encoding; its few glyphs without a
// Unicode character of their own (the extenders of radicals and arrows,
// the serif and sans variants of the registered, copyright and trademark
// signs) take the nearest one.
#include "typeset/symbol_characters.h"

#include "common/utf8.h"
#include "typeset/font_table.h"

namespace lexiweb {
namespace {

// Symbol's codes 0x20 to 0xFF; 0 where the code has no glyph.
constexpr char32_t kSymbol[224] = {
    // 0x20
    0x0020,
    0x0021,
    0x2200,
    0x0023,
    0x2203,
    0x0025,
    0x0026,
    0x220B,
    0x0028,
    0x0029,
    0x2217,
    0x002B,
    0x002C,
    0x2212,
    0x002E,
    0x002F,
    // 0x30
    0x0030,
    0x0031,
    0x0032,
    0x0033,
    0x0034,
    0x0035,
    0x0036,
    0x0037,
    0x0038,
    0x0039,
    0x003A,
    0x003B,
    0x003C,
    0x003D,
    0x003E,
    0x003F,
    // 0x40
    0x2245,
    0x0391,
    0x0392,
    0x03A7,
    0x0394,
    0x0395,
    0x03A6,
    0x0393,
    0x0397,
    0x0399,
    0x03D1,
    0x039A,
    0x039B,
    0x039C,
    0x039D,
    0x039F,
    // 0x50
    0x03A0,
    0x0398,
    0x03A1,
    0x03A3,
    0x03A4,
    0x03A5,
    0x03C2,
    0x03A9,
    0x039E,
    0x03A8,
    0x0396,
    0x005B,
    0x2234,
    0x005D,
    0x22A5,
    0x005F,
    // 0x60
    0x203E,
    0x03B1,
    0x03B2,
    0x03C7,
    0x03B4,
    0x03B5,
    0x03C6,
    0x03B3,
    0x03B7,
    0x03B9,
    0x03D5,
    0x03BA,
    0x03BB,
    0x03BC,
    0x03BD,
    0x03BF,
    // 0x70
    0x03C0,
    0x03B8,
    0x03C1,
    0x03C3,
    0x03C4,
    0x03C5,
    0x03D6,
    0x03C9,
    0x03BE,
    0x03C8,
    0x03B6,
    0x007B,
    0x007C,
    0x007D,
    0x223C,
    0,
    // 0x80 to 0x9F: no glyphs
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    // 0xA0
    0x20AC,
    0x03D2,
    0x2032,
    0x2264,
    0x2044,
    0x221E,
    0x0192,
    0x2663,
    0x2666,
    0x2665,
    0x2660,
    0x2194,
    0x2190,
    0x2191,
    0x2192,
    0x2193,
    // 0xB0
    0x00B0,
    0x00B1,
    0x2033,
    0x2265,
    0x00D7,
    0x221D,
    0x2202,
    0x2022,
    0x00F7,
    0x2260,
    0x2261,
    0x2248,
    0x2026,
    0x23D0,
    0x23AF,
    0x21B5,
    // 0xC0
    0x2135,
    0x2111,
    0x211C,
    0x2118,
    0x2297,
    0x2295,
    0x2205,
    0x2229,
    0x222A,
    0x2283,
    0x2287,
    0x2284,
    0x2282,
    0x2286,
    0x2208,
    0x2209,
    // 0xD0
    0x2220,
    0x2207,
    0x00AE,
    0x00A9,
    0x2122,
    0x220F,
    0x221A,
    0x22C5,
    0x00AC,
    0x2227,
    0x2228,
    0x21D4,
    0x21D0,
    0x21D1,
    0x21D2,
    0x21D3,
    // 0xE0
    0x25CA,
    0x2329,
    0x00AE,
    0x00A9,
    0x2122,
    0x2211,
    0x239B,
    0x239C,
    0x239D,
    0x23A1,
    0x23A2,
    0x23A3,
    0x23A7,
    0x23A8,
    0x23A9,
    0x23AA,
    // 0xF0
    0,
    0x232A,
    0x222B,
    0x2320,
    0x23AE,
    0x2321,
    0x239E,
    0x239F,
    0x23A0,
    0x23A4,
    0x23A5,
    0x23A6,
    0x23AB,
    0x23AC,
    0x23AD,
    0,
};

struct Mark {
  unsigned char code;
  char32_t character;
};

// The Wingdings marks that office programs offer for bulleted lists; its
// four bold arrows take the plain ones.
constexpr Mark kWingdingsMarks[] = {
    {0x6C, 0x25CF}, {0x6E, 0x25A0}, {0x71, 0x2751}, {0x76, 0x2756}, {0xA7, 0x25AA},
    {0xD8, 0x27A2}, {0xDF, 0x2190}, {0xE0, 0x2192}, {0xE1, 0x2191}, {0xE2, 0x2193},
    {0xFB, 0x2717}, {0xFC, 0x2713}, {0xFE, 0x2611},
};

constexpr char32_t kFirstCode = 0xF020;
constexpr char32_t kLastCode = 0xF0FF;

}  // namespace

SymbolFont symbol_font_of(std::string_view font_name) {
  std::string name;
  for (char c : without_subset_prefix(font_name)) {
    if (c != ' ') name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  if (name.starts_with("symbol") || name.starts_with("standardsym")) return SymbolFont::kSymbol;
  if (name.starts_with("wingdings")) return SymbolFont::kWingdings;
  return SymbolFont::kNone;
}

char32_t symbol_character(SymbolFont font, char32_t code) {
  if (code < kFirstCode || code > kLastCode) return 0;
  const unsigned char byte = static_cast<unsigned char>(code - 0xF000);
  if (font == SymbolFont::kSymbol) return kSymbol[byte - 0x20];
  if (font == SymbolFont::kWingdings) {
    for (const Mark& mark : kWingdingsMarks) {
      if (mark.code == byte) return mark.character;
    }
  }
  return 0;
}

std::string with_symbol_characters(std::string_view markup, SymbolFont font) {
  std::string result;
  result.reserve(markup.size());
  // The private use characters concerned are the UTF-8 bytes EF 80 A0 to EF 83 BF.
  while (!markup.empty()) {
    const size_t lead = markup.find('\xEF');
    if (lead == std::string_view::npos) break;
    result.append(markup.substr(0, lead));
    markup.remove_prefix(lead);
    std::string_view rest = markup;
    const char32_t code = take_utf8(rest);
    const char32_t character = symbol_character(font, code);
    // Symbol draws <, > and & at codes of their own; in markup they are
    // written as references, or they would end the text.
    if (character == '<') {
      result += "&lt;";
      markup = rest;
    } else if (character == '>') {
      result += "&gt;";
      markup = rest;
    } else if (character == '&') {
      result += "&amp;";
      markup = rest;
    } else if (character != 0) {
      append_utf8(result, character);
      markup = rest;
    } else {
      result += markup[0];
      markup.remove_prefix(1);
    }
  }
  result.append(markup);
  return result;
}

}  // namespace lexiweb
