// What the PDF says of itself (its Title and /Lang), read through the
// background renderer, the one program that meets poppler's library; without
// it the Title that pdfinfo reports.
#ifndef LEXIWEB_CONVERT_PDF_OWN_FACTS_H_
#define LEXIWEB_CONVERT_PDF_OWN_FACTS_H_

#include <string>

#include "common/document_facts.h"

namespace lexiweb {

// The Title and /Lang of `pdf_file`, the renderer's file kept in `folder`
// for as long as it is read. A renderer that fails, or none, leaves the
// language unknown and takes pdfinfo's Title; a PDF that says nothing gives
// empty facts.
DocumentFacts pdf_own_facts(const std::string& renderer, const std::string& pdf_file,
                            const std::string& folder);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_PDF_OWN_FACTS_H_
