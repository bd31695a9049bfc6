// The console patterns every screen of the run uses: waiting for any key, a
// menu of accepted keys, reading the answer to a prompt, and the stamped
// scratch-file name made from the clock.
#ifndef LEXIWEB_DRIVER_CONSOLE_HELPERS_H_
#define LEXIWEB_DRIVER_CONSOLE_HELPERS_H_

#include <initializer_list>
#include <string>
#include <string_view>

namespace lexiweb {

// Waits for a key of any kind and discards it.
void wait_any_key();

// Prints the option lines once, then waits until one of `accepted` is
// pressed and returns it; other keys are discarded.
char key_menu(std::initializer_list<std::string_view> options, std::string_view accepted);

// Prints the prompt followed by "? " and returns the first item of the line
// the user types: leading blanks and tabs skipped, up to the first comma, or
// between double quotes when it starts with one; at most 4096 characters.
std::string read_prompt_item(std::string_view prompt);

// The first item of a typed line, as read_prompt_item takes it.
std::string first_item(std::string_view line);

// "f_" + year + "_" + month + "_" + day + "_" + hour + "_" + minute + "_" +
// second + ".txt", from the clock at the time of the call.
std::string stamp_file_name();

// The same name from a date "MM-DD-YYYY" and a time "HH:MM:SS".
std::string stamp_file_name(std::string_view date, std::string_view time);

// Writes "text" and the integer with one leading blank when it is not negative.
void print_with_number(std::string_view text, long number);

// Leaves the run with exit status 0, the output flushed: throws the
// RunEnding that main ends the run with.
[[noreturn]] void end_run();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_CONSOLE_HELPERS_H_
