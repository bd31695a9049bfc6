// The width each text fragment of a converted page has in the PDF, measured
// by the text the renderer saw drawn (common/drawn_text.h) and put on the
// fragment. pdftohtml -c writes a fragment as a p element placed at its
// first line's top and left, its lines separated by line breaks; each line
// is a sequence of drawn runs on one baseline, found by where the line
// starts and by its text.
#ifndef LEXIWEB_TYPESET_FRAGMENT_WIDTHS_H_
#define LEXIWEB_TYPESET_FRAGMENT_WIDTHS_H_

#include <string>
#include <vector>

#include "common/drawn_text.h"

namespace lexiweb {

// Adds to every fragment of `page_html` whose lines are all found among
// the visible `runs` a data-w attribute with the widths of its lines in
// pixels, separated by commas. Returns the number of fragments measured.
int add_fragment_widths(std::string& page_html, const std::vector<DrawnRun>& runs);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FRAGMENT_WIDTHS_H_
