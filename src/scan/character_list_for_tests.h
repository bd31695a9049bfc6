// Test-only helpers: the character list of a few hand-written pages (htm.txt
// and its sorted form htms.txt), and single records in the forms the
// scanning steps read and write.
#ifndef LEXIWEB_SCAN_CHARACTER_LIST_FOR_TESTS_H_
#define LEXIWEB_SCAN_CHARACTER_LIST_FOR_TESTS_H_

#include <string>
#include <vector>

#include "common/text.h"
#include "shell/external_sort.h"
#include "testing/working_folder.h"

namespace lexiweb::testing {

// The character field of the character list: line feed, carriage return and
// double quote as their decimal codes.
inline std::string character_text(unsigned char byte) {
  if (byte == 10 || byte == 13 || byte == 34) return std::to_string(byte);
  return std::string(1, static_cast<char>(byte));
}

// One character record with the given character field.
inline std::string record_of(int code, long page, long position, const std::string& character) {
  return record_line(
      {right_aligned(code, 5), right_aligned(page, 10), right_aligned(position, 10), character});
}

// The character record of `byte` at `page` and `position`, as htm.txt holds it.
inline std::string character_line(long page, long position, unsigned char byte) {
  return record_of(byte, page, position, character_text(byte));
}

// The character records of `text` on `page`, from position `first` on.
inline std::string character_lines(long page, const std::string& text, long first = 1) {
  std::string lines;
  long position = first;
  for (unsigned char byte : text) lines += character_line(page, position++, byte);
  return lines;
}

// Writes htm.txt for pages 1, 2, ... with the given texts, and htms.txt as
// the stage driver sorts it.
inline void write_character_list(const std::vector<std::string>& pages) {
  std::string lines;
  for (size_t page = 0; page < pages.size(); ++page) {
    lines += character_lines(static_cast<long>(page + 1), pages[page]);
  }
  write_file("htm.txt", lines);
  sort_lines("htm.txt", "htms.txt", 1);
}

// The separator record of the text stream.
inline std::string separator_line() {
  return record_line({"     ", "          ", "          ", "     "});
}

}  // namespace lexiweb::testing

#endif  // LEXIWEB_SCAN_CHARACTER_LIST_FOR_TESTS_H_
