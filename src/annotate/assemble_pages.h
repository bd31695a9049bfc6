// Stage: writes one output page per page that holds a word, with its head, body and navigation bar,
// into htm_out.
#ifndef LEXIWEB_ANNOTATE_ASSEMBLE_PAGES_H_
#define LEXIWEB_ANNOTATE_ASSEMBLE_PAGES_H_

namespace lexiweb {

void assemble_pages();

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_ASSEMBLE_PAGES_H_
