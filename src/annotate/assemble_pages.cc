// The page assembly stage: the page lists, then the output pages, written
// into htm_out once the earlier pages there are gone.
#include "annotate/assemble_pages.h"

#include "annotate/page_assembly.h"
#include "annotate/page_lists.h"
#include "common/run_values.h"
#include "shell/file_ops.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

void assemble_pages() {
  write_distinct_index_pages();
  delete_matching("htm_out", "*.htm");
  write_output_pages(g_run.page_count);
  // What only the output pages needed goes now: the later pages are written
  // from the word order list and the index page list.
  for (const char* name : {kSpanPlacesFile, kFrameRangesFile, kPlacedOccurrencesFile,
                           kIndexPageListFile, kSortedIndexPagesFile}) {
    delete_file(name);
  }
}

}  // namespace lexiweb
