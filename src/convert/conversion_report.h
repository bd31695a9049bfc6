// What the converter says about the pages it could not convert or read:
// the console line of a conversion that failed, and the lines on standard
// error that name the pages a finished conversion shows without what they
// lost.
#ifndef LEXIWEB_CONVERT_CONVERSION_REPORT_H_
#define LEXIWEB_CONVERT_CONVERSION_REPORT_H_

#include <string>
#include <vector>

#include "convert/conversion.h"
#include "shell/process_pool.h"

namespace lexiweb {

// Whether `failure` is one after which converting the pages one at a time
// cannot help: the program is missing, the document cannot be opened or
// its text may not be copied, or the output cannot be written.
bool fails_the_document(const JobFailure& failure);

// The line for the `failure` of the job over `pages`.
std::string failure_line(const Conversion& conversion, const JobFailure& failure,
                         const PageRange& pages);

// The line for page `page` that pdftohtml did not write, or did not finish
// for `reason`.
std::string unwritten_page_line(const Conversion& conversion, int page,
                                const std::string& reason = "");

// The pages marked in `marked`, from 1: "page 13", "pages 13-17", "pages 2,
// 5 and 13-17", each run of consecutive pages joined.
std::string page_list(const std::vector<bool>& marked);

// One line on standard error for the pages shown empty, and one for those
// shown without their background.
void report_lost_pages(const Conversion& conversion, const std::vector<PageOutcome>& outcomes);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_CONVERSION_REPORT_H_
