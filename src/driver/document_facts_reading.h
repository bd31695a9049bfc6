// The document's title and languages for the site's pages, as the converter
// left them in htm_in (common/document_facts.h).
#ifndef LEXIWEB_DRIVER_DOCUMENT_FACTS_READING_H_
#define LEXIWEB_DRIVER_DOCUMENT_FACTS_READING_H_

#include "common/document_facts.h"

namespace lexiweb {

// The facts of htm_in/document-facts.txt. Pages converted without that file
// (by an older lexiweb, or by hand) get them chosen as the converter
// chooses, from the pages g_run.page_stems names, the outline and the name
// of the working folder's PDF (or of the folder), without what the PDF says
// of itself. A language that nothing tells is the labels' language.
DocumentFacts read_document_facts();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_DOCUMENT_FACTS_READING_H_
