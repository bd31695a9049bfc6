// Stage: writes the word index pages, 1200 occurrences to a page, and copies them into htm_out.
#ifndef LEXIWEB_WORDINDEX_WRITE_INDEX_PAGES_H_
#define LEXIWEB_WORDINDEX_WRITE_INDEX_PAGES_H_

namespace lexiweb {

void write_index_pages();

}  // namespace lexiweb

#endif  // LEXIWEB_WORDINDEX_WRITE_INDEX_PAGES_H_
