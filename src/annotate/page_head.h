// The head of an output page: language, content type, viewport, title, the
// way in and the highlight script that colours the word named by the
// address's hash red.
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

// What the head says of the page: its title ("Title – page 12", HTML) and
// its language (empty when not known).
struct PageHeading {
  std::string title;
  std::string language;
};

// Writes the head of a page, through the line "<body>", with one pair of
// script blocks per occurrence of the page in `rules`, and the opening of
// the body: the skip link, the opening of the main part and the note on
// how a word opens its entries. The navigation bar closes the main part
// (page_assembly.h).
void write_page_head(RecordWriter& out, const PageHeading& heading,
                     const std::vector<OccurrenceRule>& rules);

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_PAGE_HEAD_H_
