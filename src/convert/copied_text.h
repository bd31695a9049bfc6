// Copying from the converted pages: the text fragments stand where the PDF
// draws them, each placed by itself, so a browser copies them one after the
// other with nothing between (StartedThis). fonts/copy.js, one script
// element at the end of each page's body, puts a blank after a fragment
// whose next one follows on its line after a gap, a line end after one whose
// next one starts another line, and nothing where the next goes on with the
// same word in another face, as the PDF's text reads; the words of
// recognised lines likewise. What it adds is text of size 0, so the page
// looks the same, and it comes after the page's words have been read, so the
// site's words and contexts are the same. Without scripts the page is as it
// was.
#ifndef LEXIWEB_CONVERT_COPIED_TEXT_H_
#define LEXIWEB_CONVERT_COPIED_TEXT_H_

#include <string_view>

namespace lexiweb {

// The script's file in the font folder, and its text, embedded at build time.
inline constexpr char kCopyScriptFile[] = "copy.js";
extern const std::string_view kCopyScript;

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_COPIED_TEXT_H_
