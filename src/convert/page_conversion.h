// Runs the converter's processes over the document, and the pages of a
// range that failed again one at a time.
#ifndef LEXIWEB_CONVERT_PAGE_CONVERSION_H_
#define LEXIWEB_CONVERT_PAGE_CONVERSION_H_

#include "convert/conversion.h"

namespace lexiweb {

// Runs the converter processes, the progress on the console's current line
// while they work. A range job that fails, or leaves a page or an image
// missing or unfinished, runs again one page at a time, once the writes
// into the folder are known not to be refused (which ends the run);
// `converted->outcomes` then tells what became of each page, and stays
// empty when every page came out. False after a console line when the
// conversion failed: a failure that the pages alone would meet as well, a
// document whose page count is unknown, or no page converted.
bool convert_pages(const Conversion& conversion, ConvertedPages* converted);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_PAGE_CONVERSION_H_
