// How the pages are measured for their typesetting: pdftohtml -xml at the
// same zoom over page ranges for the fragments' widths, and the font query
// (lexiweb-fonts, when installed) over the document for its fonts' flags.
#ifndef LEXIWEB_CONVERT_MEASURING_H_
#define LEXIWEB_CONVERT_MEASURING_H_

#include <string>
#include <vector>

#include "shell/process_pool.h"

namespace lexiweb {

// The measuring jobs, `page_count` 0 meaning the whole document, which the
// converter runs among its own, each in a process of its own, and the
// files they write into `folder`. The jobs may fail: what a failed one
// would have told is missing, and the pages then do without it, the widths
// or the fonts' flags beyond their names.
struct Measuring {
  std::vector<ProcessJob> jobs;
  std::vector<std::string> files;
};
Measuring measuring_jobs(const std::string& zoom, const std::string& pdf_file,
                         const std::string& folder, int page_count);

// The font query installed with this program: lib/lexiweb/lexiweb-fonts in
// the program's folder (the build tree) or beside it (an install, the
// program in bin/). Empty when there is none.
std::string font_query_program();

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_MEASURING_H_
