// The page assembly stage: the page lists, then the output pages, then their
// publication in htm_out.
#include "annotate/assemble_pages.h"

#include "annotate/page_assembly.h"
#include "annotate/page_lists.h"

namespace lexiweb {

void assemble_pages() {
  write_output_page_list();
  write_distinct_index_pages();
  write_page_occurrence_files();
  write_output_pages();
  publish_output_pages();
}

}  // namespace lexiweb
