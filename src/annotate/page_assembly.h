// Writes the output pages: head, the page's own characters with the span
// markup and without the old frame, and the navigation bar.
#ifndef LEXIWEB_ANNOTATE_PAGE_ASSEMBLY_H_
#define LEXIWEB_ANNOTATE_PAGE_ASSEMBLY_H_

#include <string_view>

#include "shell/record_writer.h"

namespace lexiweb {

// Writes htm_out/<stem>.htm for every page of the document, with or without
// words, from the staged page, the span places of htm_spans.txt, the frame
// ranges of htm_frames.txt and the occurrences of wrd_6.txt.
void write_output_pages(long page_count);

// Writes the navigation bar and the closing line of an output page. An empty
// `previous_file` or `next_file` leaves out that link.
void write_navigation_bar(RecordWriter& out, std::string_view previous_file,
                          std::string_view next_file);

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_PAGE_ASSEMBLY_H_
