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

// The element that runs the script, a line of its own.
inline constexpr std::string_view kRecognitionScriptElement =
    "<script src=\"fonts/ocr.js\" defer></script>\n";

// Writes the script into the font folder of `folder`, where the pages are.
void write_recognition_script(const std::string& folder);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_RECOGNITION_SCRIPT_H_
