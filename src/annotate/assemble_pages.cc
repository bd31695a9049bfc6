// The page assembly stage: the page lists, then the output pages, written
// into htm_out once the earlier pages there are gone.
#include "annotate/assemble_pages.h"

#include "annotate/page_assembly.h"
#include "annotate/page_lists.h"
#include "shell/file_ops.h"

namespace lexiweb {

void assemble_pages() {
  const std::vector<long> pages = output_page_list();
  write_distinct_index_pages();
  delete_matching("htm_out", "*.htm");
  write_output_pages(pages);
}

}  // namespace lexiweb
