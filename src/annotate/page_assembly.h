// Writes the output pages of the output page list and publishes them in
// htm_out.
#ifndef LEXIWEB_ANNOTATE_PAGE_ASSEMBLY_H_
#define LEXIWEB_ANNOTATE_PAGE_ASSEMBLY_H_

#include <string_view>

#include "shell/record_writer.h"

namespace lexiweb {

// Reads par_l_01.txt and par_l_02.txt; writes <stem>.htm in the working
// folder for every entry: head, body from the page text file, navigation bar.
void write_output_pages();

// Writes the navigation bar and the closing line of an output page. An empty
// `previous_file` or `next_file` leaves out that link.
void write_navigation_bar(RecordWriter& out, std::string_view previous_file,
                          std::string_view next_file);

// Empties htm_out of .htm files and copies in the pages of par_l_01.txt.
void publish_output_pages();

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_PAGE_ASSEMBLY_H_
