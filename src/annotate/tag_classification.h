// Tag classification: finds the old frame of every page (document type,
// html and body tags, the head element with its title) that the output pages
// leave out.
#ifndef LEXIWEB_ANNOTATE_TAG_CLASSIFICATION_H_
#define LEXIWEB_ANNOTATE_TAG_CLASSIFICATION_H_

namespace lexiweb {

// Reads the tag records of htm_el_2.txt and writes htm_frames.txt: the
// character ranges to remove, as records of page, first and last position,
// in document order, overlapping ranges joined. A tag is named by the
// beginning of its text, letters compared without regard to case.
// "!DOCTYPE", "HTML", "/HTML", "BODY" and "/BODY" tags go by themselves;
// "HEAD" and "TITLE" go from the start tag through the first end tag after
// it, content included, when that end tag stands on the same page (the search
// for the next start tag resumes after that end tag either way).
void classify_tags();

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_TAG_CLASSIFICATION_H_
