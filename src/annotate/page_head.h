// The head of an output page: content type, title and the highlight script
// that colours the word named by the address's hash red.
#ifndef LEXIWEB_ANNOTATE_PAGE_HEAD_H_
#define LEXIWEB_ANNOTATE_PAGE_HEAD_H_

#include <string>
#include <string_view>
#include <vector>

#include "shell/record_writer.h"

namespace lexiweb {

// One occurrence of the page, as the script tests for it.
struct OccurrenceRule {
  std::string word_number;  // right-aligned as in the occurrence record
  std::string occurrence_id;
};

// Writes the head of the page `page_file` (its file name, also its title),
// through the line "<body>", with one pair of script blocks per occurrence of
// the page in `rules`.
void write_page_head(RecordWriter& out, std::string_view page_file,
                     const std::vector<OccurrenceRule>& rules);

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_PAGE_HEAD_H_
