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
// the current line meanwhile. Returns false, after one console line saying
// why, when the converter is missing or fails, or leaves a page or a page
// image unfinished; nothing of a failed conversion then stays in the folder.
bool run_converter(const std::string& magnification, const std::string& pdf_file,
                   const std::string& output_folder);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_CONVERTER_H_
