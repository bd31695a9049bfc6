// The text stream: the characters of the pages that lie outside tags, with a
// separator at the place of every tag, handed to the word cutter.
#ifndef LEXIWEB_SCAN_TEXT_STREAM_H_
#define LEXIWEB_SCAN_TEXT_STREAM_H_

namespace lexiweb {

class WordCutter;

// Reads the tags of tag_4.txt and staged pages 1 to page_count. The stream
// holds, for every tag, the text before it on its page (after the tag before
// it when that stands on the same page, else from the start of the page) and
// then a separator; after the last tag of the document it holds everything
// that follows, to the end of the last page. Text after the last tag of any
// other page, and pages without tags before that point, give no text.
void cut_text_stream(long page_count, WordCutter& words);

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_TEXT_STREAM_H_
