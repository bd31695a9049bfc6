// Turns the tag character file into one record per tag and makes every style
// and script element count as one single tag, so that its content never
// reaches the word extraction.
#ifndef LEXIWEB_SCAN_STYLE_SCRIPT_REMOVAL_H_
#define LEXIWEB_SCAN_STYLE_SCRIPT_REMOVAL_H_

namespace lexiweb {

// htm_el_1.txt to htm_el_2.txt (page, start position, end position and the
// first 59 characters of the tag text) and tag_3.txt (a "<" and a ">" record
// bounding each style or script element whose tags share a page). Counts the
// style and script tags found in g_run.
void strip_style_script();

// tag_2.txt and tag_3.txt to tag_4.txt: the delimiter list without the
// delimiters that lie inside an element range.
void merge_element_ranges();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_STYLE_SCRIPT_REMOVAL_H_
