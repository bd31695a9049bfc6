// The list items of the index pages: the short item that opens a page and
// the full item of every other occurrence.
#ifndef LEXIWEB_WORDINDEX_OCCURRENCE_ITEM_H_
#define LEXIWEB_WORDINDEX_OCCURRENCE_ITEM_H_

#include <string>
#include <string_view>

namespace lexiweb {

class Record;

// The link to an occurrence at its span, followed by a blank:
// <a href="STEM.htm#ID" ><span  id="ID" > WORD</span> </a>
// The span carries the occurrence id so that a link to "#ID" lands on it.
void append_occurrence_link(std::string& line, std::string_view page_stem,
                            std::string_view occurrence_id, std::string_view word);

// The short item: the link to the occurrence, the source page name and the
// output page. `page_field` is the occurrence's page field as read.
void append_short_item(std::string& line, std::string_view page_field, std::string_view output_stem,
                       std::string_view occurrence_id, std::string_view word);

// The full item of a 9-field occurrence record: the link to the occurrence,
// the source page name, the running number, the link to the word's entry on
// the all-words page (`word_anchor`), the context and the search link.
void append_full_item(std::string& line, const Record& occurrence, std::string_view word_anchor);

}  // namespace lexiweb

#endif  // LEXIWEB_WORDINDEX_OCCURRENCE_ITEM_H_
