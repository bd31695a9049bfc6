// Finds the tags of the staged pages: the delimiter list (one "<" and one ">"
// record per tag, in document order) and the tag character file that holds
// every character from a tag's "<" to its ">".
#ifndef LEXIWEB_SCAN_TAG_SEPARATION_H_
#define LEXIWEB_SCAN_TAG_SEPARATION_H_

namespace lexiweb {

// htms.txt to tag_1.txt: the "<" and ">" records, in code order.
void select_delimiters();

// tag_1.txt to tag_2.txt, ordered by page and position.
void sort_delimiters_into_document_order();

// tag_2.txt through tag_2_1.txt and tag_2_2.txt back to tag_2.txt: keeps the
// consecutive pairs of a "<" and a ">" on one page. A pair that fails costs
// the record after it as well.
void filter_delimiter_pairs();

// tag_2.txt through tag_temp.txt back to tag_2.txt: passes the first
// delimiter of either kind, then only the other kind than the last one passed.
void filter_delimiter_alternation();

// The four steps above in order; tag_2.txt is then the delimiter list.
void write_delimiter_list();

// tag_2.txt and htm.txt to htm_el_1.txt (the characters of every tag, quotes
// and apostrophes as blanks, line breaks empty) and the check file
// tag_control.txt (one line per tag).
void write_tag_character_file();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_TAG_SEPARATION_H_
