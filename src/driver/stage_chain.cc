#include "driver/stage_chain.h"

#include "annotate/annotate_words.h"
#include "annotate/assemble_pages.h"
#include "common/run_values.h"
#include "driver/final_pages.h"
#include "driver/scratch_files.h"
#include "driver/search_data.h"
#include "platform/console.h"
#include "scan/build_word_list.h"
#include "scan/extract_tags_and_words.h"
#include "wordindex/write_index_pages.h"

namespace lexiweb {

void run_stage_chain() {
  extract_tags_and_words();
  print_line("processed 20%");
  build_word_list();
  print_line("processed 30%");
  annotate_words();
  print_line("processed 40%");
  assemble_pages();
  // The output pages were the staged pages' last readers.
  delete_staged_pages();
  print_line("processed 60%");
  write_index_pages();
  print_line("processed 80%");
  write_contents_page();
  write_about_page();
  write_all_words_page();
  write_search_data();
  print_line("processed 100%");
}

}  // namespace lexiweb
