// Cuts the characters outside the tags out of the page character list: the
// text stream wrd_1.txt, with a separator record wherever a tag stood.
#ifndef LEXIWEB_SCAN_TEXT_STREAM_H_
#define LEXIWEB_SCAN_TEXT_STREAM_H_

namespace lexiweb {

// tag_4.txt and htm.txt to wrd_1.txt: the characters before the first tag of
// its page; after every tag but the last a separator record and the
// characters up to the next tag on that tag's page; after the last tag of the
// document a separator and every character that follows it.
void write_text_stream();

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_TEXT_STREAM_H_
