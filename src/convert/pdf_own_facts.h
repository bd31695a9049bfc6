// What the PDF says of itself (its Title and the /Lang of its catalogue), as
// the background renderer, the one program that meets poppler's library,
// tells it at the head of its structure files (common/drawn_structure.h);
// without the renderer the Title that pdfinfo reports.
#ifndef LEXIWEB_CONVERT_PDF_OWN_FACTS_H_
#define LEXIWEB_CONVERT_PDF_OWN_FACTS_H_

#include <string>
#include <vector>

#include "common/document_facts.h"

namespace lexiweb {

// The Title and /Lang of `pdf_file` from the first of `structure_files` that
// names them; when none does (no renderer, or none of its processes could
// open the document), pdfinfo's Title and no language.
DocumentFacts pdf_own_facts(const std::vector<std::string>& structure_files,
                            const std::string& pdf_file);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_PDF_OWN_FACTS_H_
