// The span annotation stage: where the span markup of every occurrence goes,
// then which characters of the old page frame go.
#include "annotate/annotate_words.h"

#include "annotate/span_annotation.h"
#include "annotate/tag_classification.h"
#include "common/run_values.h"
#include "shell/file_ops.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

void annotate_words() {
  write_span_places(g_run.page_count);
  delete_file(kWordPartsFile);
  classify_tags();
  // The tag records serve the scan and the frame search only.
  delete_file(kTagRecordsFile);
}

}  // namespace lexiweb
