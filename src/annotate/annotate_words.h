// Stage: wraps every word occurrence of the page character list in its span markup, then removes
// the old page frame.
#ifndef LEXIWEB_ANNOTATE_ANNOTATE_WORDS_H_
#define LEXIWEB_ANNOTATE_ANNOTATE_WORDS_H_

namespace lexiweb {

void annotate_words();

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_ANNOTATE_WORDS_H_
