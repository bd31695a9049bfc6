// The script that lays each recognised word of a page over its picture on
// the scan, and marks the occurrences of the word the page was opened at,
// which the page's own highlight cannot show on text the reader does not
// see; kept as a file of its own in the site's font folder.
#ifndef LEXIWEB_CONVERT_RECOGNITION_SCRIPT_H_
#define LEXIWEB_CONVERT_RECOGNITION_SCRIPT_H_

#include <string>

namespace lexiweb {

inline constexpr char kRecognitionScriptFile[] = "ocr.js";

// Writes the script into the font folder of `folder`, where the pages are.
void write_recognition_script(const std::string& folder);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_RECOGNITION_SCRIPT_H_
