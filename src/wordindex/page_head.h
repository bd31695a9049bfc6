// The opening lines that every generated page other than an annotated page
// shares (index pages, contents, about and all-words pages), and the link to
// the information page that the index and contents pages show.
#ifndef LEXIWEB_WORDINDEX_PAGE_HEAD_H_
#define LEXIWEB_WORDINDEX_PAGE_HEAD_H_

#include <string>
#include <string_view>

namespace lexiweb {

class RecordWriter;

// The lines from "<HTML>" to "<body>", then the skip link and the opening of
// the page's main part; only the title (HTML) and the language (empty when
// not known) differ between pages, and the language of the main part where
// it is not the page's (`main_language`).
void write_standard_page_head(RecordWriter& out, std::string_view title, std::string_view language,
                              std::string_view main_language = {});

// Closes the main part and the page.
void write_standard_page_end(RecordWriter& out);

// The anchor to the information page: the full address as target, the
// address without its scheme as the visible text.
std::string details_link();

// The details line that follows "<body>" on an index page; written only
// while the English labels are in force.
void write_index_details_line(RecordWriter& out);

}  // namespace lexiweb

#endif  // LEXIWEB_WORDINDEX_PAGE_HEAD_H_
