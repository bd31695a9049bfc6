// Finds the one PDF of pdf_in, asks for the magnification and the target
// site, converts the PDF into htm_in and learns the pages and their order.
#ifndef LEXIWEB_DRIVER_INPUT_CONVERSION_H_
#define LEXIWEB_DRIVER_INPUT_CONVERSION_H_

#include <string>
#include <string_view>

namespace lexiweb {

// Sets g_run.page_count, g_run.page_stems and g_run.target_site, or ends the
// run at one of its screens.
void run_input_and_conversion();

// Converts `pdf_file` of the working folder into htm_in, which must not
// exist yet, and learns its pages as learn_converter_pages() does; returns
// the number of pages, 0 when the converter gave none (it has said why on
// the console).
int convert_into_converter_folder(const std::string& magnification, const std::string& pdf_file);

// Writes htm_in_02.list from htm_in/index.htm, sets g_run.page_stems from it
// and g_run.document from htm_in (driver/document_facts_reading.h), and
// returns the number of pages.
int learn_converter_pages();

// The page file named by one line of the converter's index, such as
// "page12.htm", or empty when the line names none.
std::string page_entry_of_index_line(std::string_view line);

// The magnification to hand the converter for a typed answer: the answer as
// typed unless its numeric value is 0, then "1.5".
std::string magnification_for_answer(const std::string& answer);

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_INPUT_CONVERSION_H_
