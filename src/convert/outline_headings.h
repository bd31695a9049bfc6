// The headings the document's outline gives its pages: pdftohtml writes
// the outline as nested lists, one item per entry, each a link to the page
// the entry leads to ("page-N.html", perhaps with a "#" part).
#ifndef LEXIWEB_CONVERT_OUTLINE_HEADINGS_H_
#define LEXIWEB_CONVERT_OUTLINE_HEADINGS_H_

#include <map>
#include <string_view>
#include <vector>

#include "typeset/page_structure.h"

namespace lexiweb {

// The entries of `outline_html` by the page they lead to, in the outline's
// order, each with its title (references read) and its depth, the number
// of lists it stands in less one. Links to anything else are passed over.
std::map<int, std::vector<OutlineHeading>> outline_headings(std::string_view outline_html);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_OUTLINE_HEADINGS_H_
