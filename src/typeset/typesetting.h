// Sets the converted pages as the PDF does on any reader's machine: their
// fonts mapped to free faces that travel with the site (page_fonts.h), each
// text fragment carrying its width in the PDF (fragment_widths.h), and the
// script that fits the fragments to those widths (fit_script.h).
#ifndef LEXIWEB_TYPESET_TYPESETTING_H_
#define LEXIWEB_TYPESET_TYPESETTING_H_

#include <string>
#include <vector>

#include "typeset/font_table.h"
#include "typeset/fragment_widths.h"
#include "typeset/page_fonts.h"

namespace lexiweb {

class Typesetting {
 public:
  // Reads what the measuring wrote: the font query's lists of fonts
  // (".txt", lines "NAME<tab>FLAGS") and pdftohtml -xml's pages (".xml",
  // in page order). `folder` holds the pages.
  Typesetting(const std::string& folder, std::vector<std::string> measure_files);

  // Sets page `page`, as reshape_page left it.
  void set_page(std::string& page_html, int page);

  // Compresses the faces, writes the fitting script beside them and
  // removes what the measuring left in the folder. False when a face is
  // missing; a write the system refuses ends the run.
  bool finish();

 private:
  std::string folder_;
  std::vector<std::string> measure_files_;
  std::vector<PdfFont> fonts_;
  PageLineReader lines_;
  FontShelf shelf_;
  bool script_used_ = false;
};

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_TYPESETTING_H_
