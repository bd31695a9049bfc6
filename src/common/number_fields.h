// The whole numbers, each followed by a blank, that begin the lines of the
// files lexiweb's own programs write for the converter (the drawn text, the
// recognised text).
#ifndef LEXIWEB_COMMON_NUMBER_FIELDS_H_
#define LEXIWEB_COMMON_NUMBER_FIELDS_H_

#include <string>
#include <string_view>

namespace lexiweb {

// Appends `value` in decimal and a blank.
void append_number_field(std::string& out, long value);

// Takes the number at the start of `line` and the blank after it off `line`;
// false when they are not there.
bool take_number_field(std::string_view& line, long* value);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_NUMBER_FIELDS_H_
