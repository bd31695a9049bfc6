// The word list stage: sorts the word records, numbers words and
// occurrences, and writes the occurrence lists in document and word order.
#include "scan/build_word_list.h"

#include <string>

#include "common/identifiers.h"
#include "common/run_values.h"
#include "common/words.h"
#include "scan/page_lists.h"
#include "scan/word_numbering.h"
#include "shell/external_sort.h"
#include "shell/file_ops.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

void build_word_list() {
  // By the records' keys, then by word (case-blind), page and position: so
  // that the forms of a word stand together, in document order
  // (common/words.h).
  const bool keyed = word_rule() == WordRule::kReader;
  // By key under the reader's rule; by the word, its first field, under the byte rule.
  external_sort(kWordsFile, kSortedWordsFile,
                word_record::field_number(word_record::kFieldCount, keyed),
                word_record::field_number(keyed ? word_record::kKey : word_record::kWord, keyed));
  // Each list goes once nothing reads it any more, so that scratch disk
  // holds few of them at a time.
  delete_file(kWordsFile);
  number_occurrences();
  delete_file(kSortedWordsFile);
  write_all_words_list();
  // From the page field on: document order.
  external_sort(kOccurrencesFile, kOccurrencesByPageFile, occurrence_record::kFieldCount,
                occurrence_record::kPage);
  delete_file(kOccurrencesFile);
  write_occurrences_with_pages();
  // Every page of the document has its output page; the contents, about and
  // all-words pages follow the last one.
  g_run.contents_page_file = output_page_stem(g_run.page_count + 1) + ".htm";
  g_run.about_page_file = output_page_stem(g_run.page_count + 2) + ".htm";
  g_run.all_words_page_file = output_page_stem(g_run.page_count + 3) + ".htm";
  write_index_page_list();
  delete_file(kOccurrencesByPageFile);
  // By word number, then page and position.
  external_sort(kPlacedOccurrencesFile, kPlacedOccurrencesByWordFile,
                placed_occurrence_record::kFieldCount, placed_occurrence_record::kWordNumber);
}

}  // namespace lexiweb
