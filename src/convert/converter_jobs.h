// The converter's processes: the jobs that convert the document's page
// ranges, pdftohtml for the pages and lexiweb-render for their backgrounds
// and drawn text, and the jobs of single pages that run again what failed.
#ifndef LEXIWEB_CONVERT_CONVERTER_JOBS_H_
#define LEXIWEB_CONVERT_CONVERTER_JOBS_H_

#include <string>
#include <vector>

#include "convert/conversion.h"
#include "shell/process_pool.h"

namespace lexiweb {

// The jobs that convert the whole document, range by range, each writing
// one file per page, a different file for each job. With a renderer, two
// jobs a range: pdftohtml -c -i writes the pages without their background
// images, which take most of pdftohtml's time, and the renderer draws
// those images (see page_backgrounds.h) and records the text. Without the
// renderer, pdftohtml -c writes both. When the page count is not known,
// one pdftohtml -c process converts the whole document, and the renderer
// records only the text, over every page there is.
std::vector<ProcessJob> conversion_jobs(const Conversion& conversion);

// The jobs over page ranges that failed: those the pool reports in
// `failures`, and those that left a file of a page of their range missing
// or unfinished.
std::vector<size_t> failed_range_jobs(const Conversion& conversion,
                                      const std::vector<ProcessJob>& jobs,
                                      const std::vector<JobFailure>& failures);

// The `failed` jobs again, one page at a time, what they wrote deleted
// first. A job of one page has had its try.
std::vector<ProcessJob> one_page_jobs(const Conversion& conversion,
                                      const std::vector<ProcessJob>& jobs,
                                      const std::vector<size_t>& failed);

// What the `jobs` may have left half-written when some of them failed: a
// file of each of their pages under its temporary name.
void delete_partial_files(const Conversion& conversion, const std::vector<ProcessJob>& jobs);

// The files in which the renderer's jobs among `jobs` told the text they
// saw drawn, added to `converted` in page order, with those of the fonts.
void add_drawn_files(const Conversion& conversion, const std::vector<ProcessJob>& jobs,
                     ConvertedPages* converted);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_CONVERTER_JOBS_H_
