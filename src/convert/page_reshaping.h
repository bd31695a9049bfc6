// Turns what the converter processes wrote into the pages and the index the
// run reads: each page reshaped, given its background line, its words where
// it had none of its own, its faces and its search field; pages that were
// lost stood in for; the scripts and fonts beside them.
#ifndef LEXIWEB_CONVERT_PAGE_RESHAPING_H_
#define LEXIWEB_CONVERT_PAGE_RESHAPING_H_

#include "common/document_facts.h"
#include "convert/conversion.h"
#include "convert/recognition.h"
#include "typeset/typesetting.h"

namespace lexiweb {

// The pages, the index, the outline and the scripts of the conversion,
// `words` laid over the pages they belong to. False after a console line
// when a page is missing, could not be read or was not finished, or the
// fonts, the outline or the pages could not be written; a page that cannot
// be written ends the run. `drawn_structure` are the files of a tagged
// PDF's structure (common/drawn_structure.h), in page order; `document`
// the document's title, which names the pages without a heading of their
// own, and the language its PDF names.
bool finish_conversion(const Conversion& conversion, const std::vector<PageOutcome>& outcomes,
                       const WordlessPageWords& words, Typesetting& typesetting,
                       const std::vector<std::string>& drawn_structure,
                       const DocumentFacts& document);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_PAGE_RESHAPING_H_
