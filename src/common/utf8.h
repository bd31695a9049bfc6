// UTF-8, as the converter's pages and the renderer's text hold their
// characters: encoding a character and reading one.
#ifndef LEXIWEB_COMMON_UTF8_H_
#define LEXIWEB_COMMON_UTF8_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The character for bytes that are no UTF-8.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Appends `code` as UTF-8; a surrogate or a code beyond Unicode becomes
// kReplacementCharacter.
void append_utf8(std::string& out, char32_t code);

// The character at the start of `text`, taken off it; a byte that begins no
// well-formed character is taken alone as kReplacementCharacter. `text`
// must not be empty.
char32_t take_utf8(std::string_view& text);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_UTF8_H_
