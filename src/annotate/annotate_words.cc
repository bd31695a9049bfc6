// The span annotation stage: annotated character list, its working copy, and
// the removal of the old page frame.
#include "annotate/annotate_words.h"

#include "annotate/span_annotation.h"
#include "annotate/tag_classification.h"
#include "shell/file_ops.h"

namespace lexiweb {

void annotate_words() {
  write_annotated_list();
  copy_file("htm_01.txt", "htm_02.txt");
  classify_tags();
}

}  // namespace lexiweb
