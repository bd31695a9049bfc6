// Stage: finds the tags of the staged pages, merges style and script elements into single tags and
// cuts the text between tags into word records.
#ifndef LEXIWEB_SCAN_EXTRACT_TAGS_AND_WORDS_H_
#define LEXIWEB_SCAN_EXTRACT_TAGS_AND_WORDS_H_

namespace lexiweb {

void extract_tags_and_words();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_EXTRACT_TAGS_AND_WORDS_H_
