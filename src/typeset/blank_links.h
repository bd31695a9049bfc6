// Links around nothing but blanks. The converter puts a link's area around
// the blanks beside its words too (a table cell's padding), which makes
// links without a name: nobody can see or hear what they lead to.
#ifndef LEXIWEB_TYPESET_BLANK_LINKS_H_
#define LEXIWEB_TYPESET_BLANK_LINKS_H_

#include <string>
#include <string_view>

#include "typeset/converted_page.h"

namespace lexiweb {

// `content` with every link whose text is only blanks replaced by those
// blanks; false, and `out` untouched, when it has none.
bool without_blank_links(std::string_view content, std::string& out);

// Rewrites the fragments of `page` that hold such links.
void unlink_blank_links(ConvertedPage& page);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_BLANK_LINKS_H_
