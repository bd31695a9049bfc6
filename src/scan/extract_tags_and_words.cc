// The tag and word stage: the tags of the pages, style and script elements
// merged into single tags, then the text between tags cut into word records.
#include "scan/extract_tags_and_words.h"

#include "common/run_values.h"
#include "common/words.h"
#include "scan/style_script_removal.h"
#include "scan/tag_separation.h"
#include "scan/text_stream.h"
#include "scan/word_extraction.h"
#include "shell/file_ops.h"
#include "shell/record_writer.h"
#include "shell/run_failure.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

void extract_tags_and_words() {
  if (word_rule() == WordRule::kReader) {
    const std::string failure = word_rule_failure();
    if (!failure.empty()) fail_run(failure);
  }
  write_tag_records(g_run.page_count);
  strip_style_script();
  delete_file(kWordsFile);
  RecordWriter word_records(kWordsFile);
  delete_file(kWordPartsFile);
  RecordWriter word_parts(kWordPartsFile);
  WordCutter words(word_records, word_parts);
  cut_text_stream(g_run.page_count, words);
  g_run.word_count = words.word_count();
  // The merged tags serve the text stream only.
  delete_file(kMergedTagsFile);
}

}  // namespace lexiweb
