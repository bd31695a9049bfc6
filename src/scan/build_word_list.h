// Stage: numbers the words and their occurrences and writes the occurrence lists, the all-words
// list and the index page list.
#ifndef LEXIWEB_SCAN_BUILD_WORD_LIST_H_
#define LEXIWEB_SCAN_BUILD_WORD_LIST_H_

namespace lexiweb {

void build_word_list();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_BUILD_WORD_LIST_H_
