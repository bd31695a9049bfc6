// Whether the converter finished what it wrote. pdftohtml exits with status 0
// even when it could not write a page image, so a page or an image cut short
// (a full disk, a file size limit) is known only by its ending.
#ifndef LEXIWEB_CONVERT_FINISHED_OUTPUT_H_
#define LEXIWEB_CONVERT_FINISHED_OUTPUT_H_

#include <string>
#include <string_view>
#include <vector>

#include "convert/conversion.h"

namespace lexiweb {

// True when the file at `path` ends with a PNG's IEND chunk: a length of 0,
// "IEND" and the chunk's CRC.
bool image_is_finished(const std::string& path);

// Why the converter page `page` of `folder` is not finished: it does not
// end, trailing white space aside, with its closing </html>, or a PNG image it
// shows from the folder is missing or not finished. Empty when it is finished.
std::string unfinished_page_reason(std::string_view page, const std::string& folder);

// True when `name`, the file of `folder` that a job writes for a page (the
// page or its image), is there and finished.
bool is_finished(const std::string& folder, const std::string& name);

// What became of each page of the conversion, once its failed ranges were
// converted again page by page.
std::vector<PageOutcome> page_outcomes(const Conversion& conversion);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_FINISHED_OUTPUT_H_
