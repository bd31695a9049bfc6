// The identifier forms that tie pages, index pages and word occurrences
// together: word numbers, occurrence ids and the page stems.
#ifndef LEXIWEB_COMMON_IDENTIFIERS_H_
#define LEXIWEB_COMMON_IDENTIFIERS_H_

#include <string>

#include "common/text.h"

namespace lexiweb {

// Word number: right-aligned in 8 columns.
inline std::string word_number_text(long number) { return right_aligned(number, 8); }

// Occurrence id: "i" and the occurrence number zero-filled to 10 digits.
inline std::string occurrence_id(long number) { return "i" + zero_filled(number, 10); }

// Index page stem: "in" and the index page number zero-filled to 6 digits.
inline std::string index_page_stem(long number) { return "in" + zero_filled(number, 6); }

// Output page stem: "f" and the page number zero-filled to 6 digits.
inline std::string output_page_stem(long page) { return "f" + zero_filled(page, 6); }

// Page and position fields of the records: right-aligned in 10 columns.
inline std::string page_field(long page) { return right_aligned(page, 10); }

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_IDENTIFIERS_H_
