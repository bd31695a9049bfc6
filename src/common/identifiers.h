// The identifier forms that tie pages, index pages and word occurrences
// together: word numbers, occurrence ids and the page stems.
//
// Each form is spelled once, by its assign_ function, which writes it into a
// caller's string in place of what it held: the stages make one per record
// and keep the string's storage. The functions that return a new string are
// for the places that make a few.
#ifndef LEXIWEB_COMMON_IDENTIFIERS_H_
#define LEXIWEB_COMMON_IDENTIFIERS_H_

#include <string>

#include "common/text.h"

namespace lexiweb {

// Word number: right-aligned in 8 columns.
inline void assign_word_number_text(std::string& out, long number) {
  out.clear();
  append_right_aligned(out, number, 8);
}

// Occurrence id: "i" and the occurrence number zero-filled to 10 digits.
inline void assign_occurrence_id(std::string& out, long number) {
  out.assign("i");
  append_zero_filled(out, number, 10);
}

// Index page stem: "in" and the index page number zero-filled to 6 digits.
inline void assign_index_page_stem(std::string& out, long number) {
  out.assign("in");
  append_zero_filled(out, number, 6);
}

// Output page stem: "f" and the page number zero-filled to 6 digits.
inline void assign_output_page_stem(std::string& out, long page) {
  out.assign("f");
  append_zero_filled(out, page, 6);
}

// Page and position fields of the records: right-aligned in 10 columns.
inline void assign_page_field(std::string& out, long page) {
  out.clear();
  append_right_aligned(out, page, 10);
}

// The form that `assign` writes, as a new string.
inline std::string identifier(void (*assign)(std::string&, long), long number) {
  std::string out;
  assign(out, number);
  return out;
}

inline std::string word_number_text(long number) {
  return identifier(assign_word_number_text, number);
}
inline std::string occurrence_id(long number) { return identifier(assign_occurrence_id, number); }
inline std::string index_page_stem(long number) {
  return identifier(assign_index_page_stem, number);
}
inline std::string output_page_stem(long page) { return identifier(assign_output_page_stem, page); }
inline std::string page_field(long page) { return identifier(assign_page_field, page); }

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_IDENTIFIERS_H_
