// What every step of one conversion works with, held once: the document,
// the zoom, the output folder, the page count and the programs that
// convert, and what became of the pages that failed.
#ifndef LEXIWEB_CONVERT_CONVERSION_H_
#define LEXIWEB_CONVERT_CONVERSION_H_

#include <string>
#include <vector>

namespace lexiweb {

struct Conversion {
  std::string zoom;      // as pdftohtml takes it, blanks trimmed
  std::string pdf_file;  // in the working folder
  std::string folder;    // where the pages are written
  // From pdfinfo; 0 when it cannot tell, and one pdftohtml process then
  // converts the whole document.
  int page_count = 0;
  // lexiweb-render, or empty when pdftohtml -c draws the backgrounds.
  std::string renderer;
  int processes = 1;  // at once

  // The path of the file `name` of the folder.
  std::string path(const std::string& name) const { return folder + "/" + name; }

  // Whether the renderer draws the backgrounds, page by page. Without the
  // page count it records only the text, and pdftohtml -c draws them.
  bool rendering() const { return page_count > 0 && !renderer.empty(); }
};

// What became of a page after its range failed and it was converted alone.
struct PageOutcome {
  bool page_lost = false;        // its page is missing or unfinished: it shows empty
  bool background_lost = false;  // its page is there, its background image is not
};

// What the converter processes left in the folder: what became of each
// page (empty when every page came out), and the files in which the
// renderer told the text it saw drawn and the fonts and pages that drew it
// (common/drawn_text.h), and the structure it found (common/drawn_structure.h),
// in page order.
struct ConvertedPages {
  std::vector<PageOutcome> outcomes;
  std::vector<std::string> drawn_text;
  std::vector<std::string> drawn_pages;
  std::vector<std::string> drawn_structure;
};

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_CONVERSION_H_
