// What the PDF itself says about the whole document: the Title of its
// information dictionary and the /Lang of its catalogue, as lexiweb-render
// --facts hands them to the converter, which chooses the site's title and
// language from them (convert/document_facts_choice.h).
#ifndef LEXIWEB_RENDER_PDF_FACTS_H_
#define LEXIWEB_RENDER_PDF_FACTS_H_

#include <string>

namespace lexiweb {

// Writes the PDF's Title and /Lang, as they stand in the PDF but in UTF-8,
// to `output` in the form of common/document_facts.h (an empty title, no
// language line when there is none). Returns the exit status: 0, or
// kCannotOpenPdf, kCannotWriteOutput.
int write_pdf_facts(const std::string& pdf_file, const std::string& output);

}  // namespace lexiweb

#endif  // LEXIWEB_RENDER_PDF_FACTS_H_
