// What the PDF says of itself (its Title and the /Lang of its catalogue), as
// the background renderer, the one program that meets poppler's library,
// tells it at the head of its structure files (common/drawn_structure.h);
// without the renderer the Title that pdfinfo reports. pdfinfo's report is
// read once and serves the page count as well.
#ifndef LEXIWEB_CONVERT_PDF_OWN_FACTS_H_
#define LEXIWEB_CONVERT_PDF_OWN_FACTS_H_

#include <string>
#include <string_view>
#include <vector>

#include "common/document_facts.h"

namespace lexiweb {

// What `pdfinfo PDF` prints, or nothing when it fails.
std::string pdfinfo_report(const std::string& pdf_file);

// The value of the field `name` ("Pages:", "Title:") of a pdfinfo report,
// without the blanks before it; empty when the report lacks it.
std::string_view pdfinfo_field(std::string_view report, std::string_view name);

// The Title and /Lang from the first of `structure_files` that names them;
// when none does (no renderer, or none of its processes could open the
// document), the Title of `pdfinfo_report` and no language.
DocumentFacts pdf_own_facts(const std::vector<std::string>& structure_files,
                            std::string_view pdfinfo_report);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_PDF_OWN_FACTS_H_
