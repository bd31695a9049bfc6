// The occurrence lists in document order and the page and index page lists
// that the page assembly reads.
#ifndef LEXIWEB_SCAN_PAGE_LISTS_H_
#define LEXIWEB_SCAN_PAGE_LISTS_H_

namespace lexiweb {

// wrd_5.txt (occurrences in document order) to wrd_6.txt (9-field records
// with the output page stem as field 4), par_list.txt (page, page number,
// output page stem) and the check file wrd_14.txt (page and word of every
// occurrence after the first). Returns the page number of the last
// occurrence, 0 when there is none.
long write_page_lists();

// wrd_5.txt to in_list.txt: index page number and index page stem of every
// occurrence.
void write_index_page_list();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_PAGE_LISTS_H_
