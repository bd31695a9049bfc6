// The lookups of the page assembly: which pages get an output page, the list
// of index pages, and the occurrences of each page.
#ifndef LEXIWEB_ANNOTATE_PAGE_LISTS_H_
#define LEXIWEB_ANNOTATE_PAGE_LISTS_H_

namespace lexiweb {

// Reads htm_03.txt and par_list.txt; writes par_l_01.txt, one page list
// record per page with a marked record in the page text, in page order, and
// its copy par_l_02.txt.
void write_output_page_list();

// Reads in_list.txt; writes in_l_01.txt (sorted) and in_l_02.txt (one record
// per index page).
void write_distinct_index_pages();

// Reads wrd_08.txt; writes wrd_09.txt (sorted by page and position) and one
// page occurrence file wrd_10_<n>.txt per page that has occurrences.
void write_page_occurrence_files();

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_PAGE_LISTS_H_
