// The script by which a word of an annotated page opens its entries in the
// word index from the keyboard and by a double tap (word_keys.js, embedded
// at build time). Every page's head refers to it as fonts/word_keys.js; the
// driver writes it into the site, whatever the converter left in htm_in.
#ifndef LEXIWEB_DRIVER_WORD_KEYS_H_
#define LEXIWEB_DRIVER_WORD_KEYS_H_

#include <string_view>

namespace lexiweb {

inline constexpr char kWordKeysScriptFile[] = "word_keys.js";

extern const std::string_view kWordKeysScript;

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_WORD_KEYS_H_
