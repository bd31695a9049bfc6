// The occurrence list in document order and the index page list that the
// page assembly reads.
#ifndef LEXIWEB_SCAN_PAGE_LISTS_H_
#define LEXIWEB_SCAN_PAGE_LISTS_H_

namespace lexiweb {

// wrd_5.txt (occurrences in document order) to wrd_6.txt: 9-field records
// with the output page stem of the occurrence's page as field 4.
void write_occurrences_with_pages();

// wrd_5.txt to in_list.txt: index page number and index page stem of every
// occurrence.
void write_index_page_list();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_PAGE_LISTS_H_
