// The staged pages: the working-folder copies w_1.htm, w_2.htm, ... of the
// converter's pages, which every stage after the staging reads one at a time.
#ifndef LEXIWEB_SHELL_STAGED_PAGE_H_
#define LEXIWEB_SHELL_STAGED_PAGE_H_

#include <string>

namespace lexiweb {

// "w_" + page + ".htm", the page number in decimal.
std::string staged_page_name(long page);

// Reads the characters of staged page `page` into `characters`, reusing its
// storage: every byte of the file except NUL bytes, which are no characters
// and take no position. Position n of the page is characters[n - 1]. A
// missing page reads as empty; one that cannot be read ends the run.
void read_staged_page(long page, std::string* characters);

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_STAGED_PAGE_H_
