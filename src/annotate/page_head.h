// The head of an output page: content type, title and the highlight script
// that colours the word named by the address's hash red.
#ifndef LEXIWEB_ANNOTATE_PAGE_HEAD_H_
#define LEXIWEB_ANNOTATE_PAGE_HEAD_H_

#include <string>
#include <string_view>

namespace lexiweb {

// Appends the head, through the line "<body>", to the open page
// g_run.page_file_number, for the page g_run.current_page_file with page
// number g_run.current_page_number; the page's occurrences come from its page
// occurrence file.
void write_page_head();

// The page occurrence file of the page whose page field is `page`.
std::string page_occurrence_file(std::string_view page);

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_PAGE_HEAD_H_
