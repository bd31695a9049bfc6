// The centred line of links to the previous and next index page, written at
// the top and the bottom of every index page.
#ifndef LEXIWEB_WORDINDEX_INDEX_NAV_BAR_H_
#define LEXIWEB_WORDINDEX_INDEX_NAV_BAR_H_

#include <string>
#include <string_view>

namespace lexiweb {

class RecordReader;

// The navigation line of the index page named `page_file`. `page_list` is
// the index page list (number right-aligned in 10 columns, stem), read from
// its first record on every call. A page that the list does not name gets a
// line without links.
std::string index_nav_bar(std::string_view page_file, RecordReader& page_list);

}  // namespace lexiweb

#endif  // LEXIWEB_WORDINDEX_INDEX_NAV_BAR_H_
