// The word list stage: sorts the word records, numbers words and
// occurrences, and writes the occurrence lists in document and word order.
#include "scan/build_word_list.h"

#include <string>

#include "common/identifiers.h"
#include "common/run_values.h"
#include "scan/page_lists.h"
#include "scan/word_numbering.h"
#include "shell/external_sort.h"
#include "shell/file_ops.h"

namespace lexiweb {

void build_word_list() {
  // By the records' sort key and word, so that the forms of a word stand
  // together, in document order (common/words.h).
  external_sort("wrd_2.txt", "wrd_3.txt", 6, 1);
  // Each list goes once nothing reads it any more, so that scratch disk
  // holds few of them at a time.
  delete_file("wrd_2.txt");
  number_occurrences();
  delete_file("wrd_3.txt");
  write_all_words_list();
  // From the page field on: document order.
  external_sort("wrd_4.txt", "wrd_5.txt", 8, 2);
  delete_file("wrd_4.txt");
  write_occurrences_with_pages();
  // Every page of the document has its output page; the contents, about and
  // all-words pages follow the last one.
  g_run.contents_page_file = output_page_stem(g_run.page_count + 1) + ".htm";
  g_run.about_page_file = output_page_stem(g_run.page_count + 2) + ".htm";
  g_run.all_words_page_file = output_page_stem(g_run.page_count + 3) + ".htm";
  write_index_page_list();
  delete_file("wrd_5.txt");
  // By word number, then page and position.
  external_sort("wrd_6.txt", "wrd_7.txt", 9, 1);
}

}  // namespace lexiweb
