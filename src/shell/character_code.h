// The code field of the character records, shared by the page character list
// and its annotated form: a byte's value right-aligned in 5 columns, and back.
#ifndef LEXIWEB_SHELL_CHARACTER_CODE_H_
#define LEXIWEB_SHELL_CHARACTER_CODE_H_

#include <string_view>

namespace lexiweb {

// The code field of a byte: its value right-aligned in 5 columns.
std::string_view code_field(unsigned char byte);

// The byte value of a code field: the decimal number after its leading
// blanks; 0 for a blank (removed or separator) code or a value above 255.
int code_value(std::string_view code_field);

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_CHARACTER_CODE_H_
