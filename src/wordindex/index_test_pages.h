// Test helpers for the index pages: occurrence records and index page lists
// in their scratch-file forms, and the fixed lines every index page opens with
// (the standard page head is shared by the final pages too).
#ifndef LEXIWEB_WORDINDEX_INDEX_TEST_PAGES_H_
#define LEXIWEB_WORDINDEX_INDEX_TEST_PAGES_H_

#include <string>

#include "common/identifiers.h"
#include "common/run_parameters.h"
#include "testing/working_folder.h"

namespace lexiweb::testing {

// One 9-field occurrence record of the word order list.
inline std::string occurrence(long word_number, long page, long position, long index_page, long id,
                              const std::string& word, const std::string& running_number,
                              const std::string& context) {
  return record_line({word_number_text(word_number), page_field(page), page_field(position),
                      output_page_stem(page), index_page_stem(index_page), occurrence_id(id), word,
                      running_number, context});
}

// The index page list of pages 1 to `pages`.
inline std::string index_page_list(long pages) {
  std::string list;
  for (long page = 1; page <= pages; ++page) {
    list += record_line({page_field(page), index_page_stem(page)});
  }
  return list;
}

// The nine lines every generated page other than an annotated page opens with.
inline std::string standard_page_head(const std::string& title) {
  return "<HTML>\r\n"
         "<head> <meta http-equiv=\"content-type\"  content=\"text/HTML; charset=utf-8\">\r\n"
         "<title>\r\n" +
         title +
         "\r\n"
         "</title>\r\n"
         "<style type =\"text/css\">\r\n"
         "\ndiv.ol {text-align: left}\n</style>\r\n"
         "</head>\r\n"
         "<body>\r\n";
}

// The link to the information page, showing its address without the scheme.
inline std::string details_anchor() {
  const std::string address(details_address);
  return "<a href = \"" + address + "\">" + address.substr(address.find("://") + 3) + "</a>";
}

// Standard page head and details line of an index page.
inline std::string index_page_opening(const std::string& title) {
  return standard_page_head(title) + "Details: " + details_anchor() + " <br>\r\n";
}

}  // namespace lexiweb::testing

#endif  // LEXIWEB_WORDINDEX_INDEX_TEST_PAGES_H_
