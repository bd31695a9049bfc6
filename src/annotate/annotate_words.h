// Stage: places the span markup of every word occurrence in the pages, then
// finds the old page frame that the output pages leave out.
#ifndef LEXIWEB_ANNOTATE_ANNOTATE_WORDS_H_
#define LEXIWEB_ANNOTATE_ANNOTATE_WORDS_H_

namespace lexiweb {

void annotate_words();

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_ANNOTATE_WORDS_H_
