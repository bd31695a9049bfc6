// Numbers the words in sorted order: a word number per group of words that
// differ at most in case, an occurrence id and an index page per occurrence,
// and the all-words list with each group's first occurrence.
#ifndef LEXIWEB_SCAN_WORD_NUMBERING_H_
#define LEXIWEB_SCAN_WORD_NUMBERING_H_

namespace lexiweb {

// wrd_3.txt (word records sorted by word) to wrd_4.txt (8-field occurrence
// records: word number, page, position, index page stem, occurrence id, word,
// running number, context).
void number_occurrences();

// wrd_4.txt to wrd_12.txt: index page stem, occurrence id and word of the
// first occurrence of every group, and the group's number of occurrences.
void write_all_words_list();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_WORD_NUMBERING_H_
