// The script that lays each recognised word of a page over its picture on
// the scan, and marks the occurrences of the word the page was opened at,
// which the page's own highlight cannot show on text the reader does not
// see; kept as a file of its own in the site's font folder.
#ifndef LEXIWEB_CONVERT_RECOGNITION_SCRIPT_H_
#define LEXIWEB_CONVERT_RECOGNITION_SCRIPT_H_

#include <string>
#include <string_view>

namespace lexiweb {

inline constexpr char kRecognitionScriptFile[] = "ocr.js";

// The text of ocr.js, embedded at build time. A recognised word is a span
// with its place within its line (data-x) and its width (data-w) in
// pixels: placed at its left and scaled to its width, it covers its
// picture, so that a double click on the picture reaches the word. The
// page's highlight colours the word's spans red when the page is opened at
// an occurrence; the recognised words stay transparent by their class's
// rules, so the occurrences of the word get a red mark of this script's
// instead.
extern const std::string_view kRecognitionScript;

// Writes the script into the font folder of `folder`, where the pages are.
void write_recognition_script(const std::string& folder);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_RECOGNITION_SCRIPT_H_
