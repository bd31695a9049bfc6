// The lookups of the page assembly: which pages get an output page, and the
// list of index pages.
#ifndef LEXIWEB_ANNOTATE_PAGE_LISTS_H_
#define LEXIWEB_ANNOTATE_PAGE_LISTS_H_

#include <vector>

namespace lexiweb {

// The pages that hold at least one opening span of htm_spans.txt, in page
// order: the pages that get an output page.
std::vector<long> output_page_list();

// Reads in_list.txt; writes in_l_01.txt (sorted) and in_l_02.txt (one record
// per index page).
void write_distinct_index_pages();

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_PAGE_LISTS_H_
