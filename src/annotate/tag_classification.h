// Tag classification and frame removal: finds the frame tags and elements of
// every page (document type, html, head with title, body), marks their
// characters in the annotated character list as removed and cuts the result
// into one page text file per page.
#ifndef LEXIWEB_ANNOTATE_TAG_CLASSIFICATION_H_
#define LEXIWEB_ANNOTATE_TAG_CLASSIFICATION_H_

#include <string>
#include <string_view>

namespace lexiweb {

// Reads htm_el_2.txt and htm_02.txt; writes htm_elex.txt, tag_5.txt to
// tag_8.txt, htm_04.txt, htm_03.txt (the page text) and htm_03_<n>.txt.
void classify_tags();

// The steps of classify_tags, in the order it runs them.

// Writes the tag class table htm_elex.txt: name and class code lines.
void write_tag_class_table();

// Reads htm_elex.txt and htm_el_2.txt; writes tag_5.txt, a start and an end
// boundary record for every frame tag and every frame element.
void write_frame_boundaries();

// Reads tag_5.txt; writes tag_6.txt, one record per character position that
// lies within a pair of boundaries.
void write_deletion_positions();

// Reads the sorted tag_7.txt; writes tag_8.txt without repeated positions.
void remove_repeated_positions();

// Reads htm_02.txt and tag_8.txt; writes htm_04.txt with the code of every
// character at a deletion position blanked, and the same records cut by page
// into htm_03_<n>.txt.
void remove_frame_characters();

// The page text file of the page whose page field is `page`.
std::string page_text_file(std::string_view page);

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_TAG_CLASSIFICATION_H_
