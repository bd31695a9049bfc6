// Scanned pages for the tests, as a scanner's software makes them: text
// pages of the PDF writer drawn at 300 dpi in gray by pdftoppm, each put
// back into a page of its own as its only picture.
#ifndef LEXIWEB_TESTING_SCANNED_PAGES_H_
#define LEXIWEB_TESTING_SCANNED_PAGES_H_

#include <string>
#include <vector>

#include "tools/pdf_writer.h"

namespace lexiweb::testing {

// The scans of `pages`, the top `height_inches` of each (0 for the whole
// page); with `text_layer` each keeps its lines as invisible text over the
// picture, as a searchable scan does (of whole pages only: the lines stand
// where they stood on the text page). Uses text.pdf and scan.pgm in the
// current folder.
std::vector<PdfPage> scanned_pages(const std::vector<PdfPage>& pages, double height_inches = 0,
                                   bool text_layer = false);

// A word of a PDF page and its box, in points from the page's top left
// corner, as pdftotext -bbox gives it.
struct TextWord {
  double left, top, right, bottom;
  std::string text;
};

// The words of page `page` of `pdf`, in the order pdftotext reads them.
std::vector<TextWord> text_words(const std::string& pdf, int page);

}  // namespace lexiweb::testing

#endif  // LEXIWEB_TESTING_SCANNED_PAGES_H_
