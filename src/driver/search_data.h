// The word list of the search field that the converted pages carry
// (convert/search_field.h): every distinct word of the document with its
// number of occurrences and its first occurrence in the word index, as the
// all-words list holds them, in small parts that the field loads as the
// reader types. Browsers refuse to fetch the files of a site opened from
// the disk, so each file is a script that hands its data to the field:
//
//   words/parts.js  lexiwebWords.parts([KEY, ...]);
//                   the first key of every part, ASCII letters capitalized;
//   words/pN.js     lexiwebWords.part(N, [WORD, COUNT, INDEX_PAGE, OCCURRENCE, ...]);
//                   part N: each word as spelled in the all-words list, its
//                   count, and the numbers of the index page and the
//                   occurrence id of its first occurrence. Under the
//                   reader's word rule each WORD is followed by its KEY.
//
// Under the byte rule a word is its own key and the words stay in the order
// of the all-words list; the field's lookup relies on the order of the keys.
// A part holds the words of one first byte of their keys (folded) only,
// and at most kSearchPartBytes, so that the few words offered for what was
// typed come from one part, or two where they run over a part's end.
#ifndef LEXIWEB_DRIVER_SEARCH_DATA_H_
#define LEXIWEB_DRIVER_SEARCH_DATA_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "common/words.h"

namespace lexiweb {

// Appends `bytes` as a script string of one character a byte, every byte
// that could end the string or the script written as \xHH.
void append_script_string(std::string& out, std::string_view bytes);

// The folder of the word list beside the site's pages.
inline constexpr std::string_view kSearchDataFolder = "words";

// The most bytes of a part, unless its one word is longer. A query loads
// the list of parts and the part where its words start, and the one after
// that when they run over its end: well under 100 kB.
inline constexpr size_t kSearchPartBytes = 30'000;

// Reads the all-words list and writes htm_out/words/. Under the reader's
// word rule each word comes with its search key: the word folded as the
// word list compares words, without the accents of its letters; the words
// are ordered by those keys, the accented forms of a key first, and
// parts.js ends with "], \"folded\");" instead of "]);".
void write_search_data(size_t part_bytes = kSearchPartBytes, WordRule rule = word_rule());

// Deletes what write_search_data wrote into `site_folder`/words, and the
// folder once that leaves it empty; other files there stay.
void delete_search_data(const std::string& site_folder);

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_SEARCH_DATA_H_
