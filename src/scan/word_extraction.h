// Cuts the text stream into words: one word record per written word, with the
// page and position of its first character, its running number and the
// context of the text before it.
#ifndef LEXIWEB_SCAN_WORD_EXTRACTION_H_
#define LEXIWEB_SCAN_WORD_EXTRACTION_H_

namespace lexiweb {

// wrd_1.txt to wrd_2.txt; leaves g_run.word_count at the running number of
// the last accepted word. A word that starts on page 0 means damaged input:
// the run is ended with a message.
void write_word_records();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_WORD_EXTRACTION_H_
