// The PDF converter: poppler's pdftohtml, run without a shell, its output
// reshaped into what the run reads: htm_in/index.html listing pageN.html in
// document order, one complete HTML page per PDF page, the page images beside
// them, and the document's outline when it has one.
#ifndef LEXIWEB_CONVERT_CONVERTER_H_
#define LEXIWEB_CONVERT_CONVERTER_H_

#include <string>

namespace lexiweb {

// The converter's outline of the document, nested lists of links to
// "page-N.html", kept as pdftohtml writes it; only a PDF with an outline
// (bookmarks) has one.
inline constexpr char kOutlinePage[] = "outline.html";

// Converts `pdf_file` (in the working folder) into the folder `output_folder`,
// which must not exist yet, with `magnification` as zoom, in as many
// processes at once as there are cores; on a terminal the progress shows on
// the current line meanwhile. The pages of a range whose process fails, or
// leaves a page or a page image missing or unfinished, are converted again
// one at a time; a page that fails alone as well shows empty, an image that
// does leaves its page without a background, and one line on standard error
// names such pages at the end. A write the system refused ends the run
// (run_failure.h). Returns false, after one console line saying why, when
// the converter is missing, cannot open the document or write its pages,
// or converts no page; nothing of a failed conversion then stays in the
// folder.
bool run_converter(const std::string& magnification, const std::string& pdf_file,
                   const std::string& output_folder);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_CONVERTER_H_
