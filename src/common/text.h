// Small text helpers shared by every stage: the numeric value of a text, the
// fixed-width number forms of the records, trimming and ASCII case.
#ifndef LEXIWEB_COMMON_TEXT_H_
#define LEXIWEB_COMMON_TEXT_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The number that begins the text after leading blanks and tabs (an optional
// sign, digits, an optional decimal part); 0 when no number begins there.
double numeric_value(std::string_view text);

// numeric_value rounded to a whole number.
long whole_value(std::string_view text);

// Appends `value` right-aligned with blanks to `width` columns (wider values
// are written whole).
void append_right_aligned(std::string& out, long value, int width);
std::string right_aligned(long value, int width);

// Appends `value` filled with leading zeros to `width` digits.
void append_zero_filled(std::string& out, long value, int width);
std::string zero_filled(long value, int width);

std::string_view trim_blanks(std::string_view text);
std::string_view trim_leading_blanks(std::string_view text);
std::string_view trim_trailing_blanks(std::string_view text);

std::string to_upper_ascii(std::string_view text);
std::string to_lower_ascii(std::string_view text);

// True when `text` begins with `prefix`, ASCII letters compared without regard to case.
bool starts_with_ignoring_case(std::string_view text, std::string_view prefix);

// True when `text` contains `part`, ASCII letters compared without regard to case.
bool contains_ignoring_case(std::string_view text, std::string_view part);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_TEXT_H_
