// The characters of Symbol and Wingdings as their own codes: office
// documents embed these fonts with codes in the private use area (U+F020
// to U+F0FF, the font's byte plus F000), which pdftohtml passes on and no
// free face draws. Symbol's codes stand for Greek letters, mathematical
// signs and the bullet of every bulleted list; of Wingdings only the
// bullets and marks of lists are known.
#ifndef LEXIWEB_TYPESET_SYMBOL_CHARACTERS_H_
#define LEXIWEB_TYPESET_SYMBOL_CHARACTERS_H_

#include <string>
#include <string_view>

namespace lexiweb {

enum class SymbolFont { kNone, kSymbol, kWingdings };

// Which of the two `font_name` (a PDF's font name, perhaps with a subset
// prefix) is.
SymbolFont symbol_font_of(std::string_view font_name);

// The Unicode character that `code` of the private use area stands for in
// `font`, or 0 when none is known.
char32_t symbol_character(SymbolFont font, char32_t code);

// `markup` (text and tags of a fragment) with each private use character
// that `font` gives a Unicode character replaced by it, in UTF-8; <, > and
// & as references.
std::string with_symbol_characters(std::string_view markup, SymbolFont font);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_SYMBOL_CHARACTERS_H_
