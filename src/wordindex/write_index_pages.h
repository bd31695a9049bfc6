// Stage: writes the word index pages, 1200 occurrences to a page, and copies them into htm_out.
#ifndef LEXIWEB_WORDINDEX_WRITE_INDEX_PAGES_H_
#define LEXIWEB_WORDINDEX_WRITE_INDEX_PAGES_H_

namespace lexiweb {

// Reads the occurrences in word order (wrd_7.txt) and the index page list
// (in_l_02.txt); writes one page per index page stem into the working
// folder and copies each listed page into htm_out. Without any occurrence
// no page is written.
void write_index_pages();

}  // namespace lexiweb

#endif  // LEXIWEB_WORDINDEX_WRITE_INDEX_PAGES_H_
