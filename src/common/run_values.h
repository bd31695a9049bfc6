// The values that the run driver and the stages hand each other besides the
// scratch files: what the conversion found, what the word stages counted and
// named, and the parameters of the next external sort.
#ifndef LEXIWEB_COMMON_RUN_VALUES_H_
#define LEXIWEB_COMMON_RUN_VALUES_H_

#include <array>
#include <string>
#include <vector>

#include "common/document_facts.h"

namespace lexiweb {

struct RunValues {
  // Input folder and conversion.
  int page_count = 0;
  std::vector<std::string> page_stems;  // entries 1 to page_count; entry 0 unused
  std::string target_site;
  // The document's title and languages, which every page's head names.
  DocumentFacts document;
  // When the site is one document of a library (lexiweb-library), the
  // library's front page as the document's pages link to it; empty for a
  // site of its own.
  std::string library_page;

  // Word extraction and word list.
  long word_count = 0;
  std::string contents_page_file;
  std::string about_page_file;
  std::string all_words_page_file;

  // Parameters of the next external sort, set by its caller.
  std::string sort_input;
  std::string sort_output;
  int sort_field_count = 0;
  int sort_key_field = 1;
  std::array<std::string, 11> sort_fields;  // entries 1 to 10
};

// The one set of values of this run.
extern RunValues g_run;

// Entry `page` of page_stems, or an empty text outside 1..page_count.
const std::string& page_stem(long page);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_RUN_VALUES_H_
