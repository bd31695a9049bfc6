// The pieces the library's own pages are made of: the head and the search
// field they share, and the text forms of their contents.
#ifndef LEXIWEB_LIBRARY_LIBRARY_PAGES_H_
#define LEXIWEB_LIBRARY_LIBRARY_PAGES_H_

#include <string>
#include <string_view>

#include "common/page_heads.h"   // append_escaped
#include "driver/search_data.h"  // append_script_string

namespace lexiweb {

class RecordWriter;

// The page's head, the bar with the links to the front page and the
// all-words page and the search field, and the opening of its main part.
// `root` leads from the page to the library's folder ("" or "../").
void write_library_page_start(RecordWriter& out, std::string_view title, std::string_view root);
// Closes what write_library_page_start opened.
void write_library_page_end(RecordWriter& out);

// The UTF-8 bytes of `text` in lower-case hex: the library's file names
// for a group of words.
std::string hex_name(std::string_view text);

// The first `count` characters of UTF-8 `text` (bytes that are no UTF-8
// count one each).
std::string_view first_characters(std::string_view text, size_t count);

// The bytes of the library's script and style sheet.
std::string_view library_script();
std::string_view library_style();

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_LIBRARY_PAGES_H_
