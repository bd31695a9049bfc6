// Style and script elements hold no words of the document: each element
// whose opening and closing tags stand on one page becomes a single tag.
#ifndef LEXIWEB_SCAN_STYLE_SCRIPT_REMOVAL_H_
#define LEXIWEB_SCAN_STYLE_SCRIPT_REMOVAL_H_

namespace lexiweb {

// Reads the tag records of htm_el_2.txt and writes tag_4.txt, the tags as the
// text stream sees them: page, start position, end position, one record per
// tag in document order, each style or script element that opens and closes
// on one page merged into one tag from its first "<" to its last ">".
void strip_style_script();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_STYLE_SCRIPT_REMOVAL_H_
