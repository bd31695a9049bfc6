// Opens an index page: everything up to and including its first list item.
#ifndef LEXIWEB_WORDINDEX_INDEX_PAGE_HEAD_H_
#define LEXIWEB_WORDINDEX_INDEX_PAGE_HEAD_H_

#include <string>
#include <string_view>

namespace lexiweb {

class RecordReader;
class RecordWriter;

// The words an index page runs from and to: its heading, and its title
// after the document's.
struct IndexPageRange {
  std::string first_word;
  std::string last_word;
};

// "abbreviation … blank", or the one word of a page that holds one.
std::string range_text(const IndexPageRange& range);

// Writes into `out` (the open page named `page_file`) the standard page
// head, the details line, the page's heading (its range of words), the upper
// navigation line, the opening of the
// first list, numbered from `ordinal` so that a word continued from the page
// before keeps its numbering, and the short item of the occurrence that
// opens the page. `page_list` is the open index page list.
void write_index_page_head(std::string_view page_file, RecordWriter& out, RecordReader& page_list,
                           const IndexPageRange& range, std::string_view page_field,
                           std::string_view output_stem, std::string_view occurrence_id,
                           std::string_view word, long ordinal);

}  // namespace lexiweb

#endif  // LEXIWEB_WORDINDEX_INDEX_PAGE_HEAD_H_
