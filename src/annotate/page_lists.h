// The list of index pages, one record per index page.
#ifndef LEXIWEB_ANNOTATE_PAGE_LISTS_H_
#define LEXIWEB_ANNOTATE_PAGE_LISTS_H_

namespace lexiweb {

// Reads in_list.txt; writes in_l_01.txt (sorted) and in_l_02.txt (one record
// per index page).
void write_distinct_index_pages();

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_PAGE_LISTS_H_
