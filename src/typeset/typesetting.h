// Sets the converted pages as the PDF does on any reader's machine: their
// fonts mapped to free faces that travel with the site (page_fonts.h), each
// text fragment carrying its width in the PDF (fragment_widths.h), and the
// script that fits the fragments to those widths (fit_script.h). What it
// knows of the PDF it learns from the text the renderer saw drawn.
#ifndef LEXIWEB_TYPESET_TYPESETTING_H_
#define LEXIWEB_TYPESET_TYPESETTING_H_

#include <string>
#include <vector>

#include "common/drawn_text.h"
#include "typeset/converted_page.h"
#include "typeset/drawn_text_reader.h"
#include "typeset/font_table.h"
#include "typeset/fragment_widths.h"
#include "typeset/page_fonts.h"

namespace lexiweb {

class Typesetting {
 public:
  // `folder` holds the pages, and the files of the text that the renderer
  // saw drawn (common/drawn_text.h), `drawn_text`, of the page ranges in
  // page order; `drawn_fonts` are the fonts that drew it. Without them the
  // fragments go without widths and the fonts are known by their names.
  Typesetting(const std::string& folder, std::vector<std::string> drawn_text,
              const std::vector<DrawnFont>& drawn_fonts);

  // The runs the renderer saw drawn on `page`, invisible ones included;
  // empty when it did not record the page. Pages are asked for in
  // ascending order, each before it is set.
  const std::vector<DrawnRun>& drawn_runs(int page);

  // Sets page `page`, as reshape_page left it and read_converted_page read it.
  void set_page(ConvertedPage& converted, int page);

  // The drawn run that starts each fragment of the page set last, in the
  // page's order (-1 where none was found); empty when its runs were not
  // recorded whole.
  const std::vector<long>& fragment_runs() const { return fragment_runs_; }

  // Writes the faces and the fitting script into the font folder and
  // removes the renderer's text files. False when a face could not be made; a
  // write the system refuses ends the run.
  bool finish();

 private:
  std::string folder_;
  std::vector<std::string> drawn_files_;
  std::vector<PdfFont> fonts_;
  DrawnTextReader drawn_text_;
  std::vector<DrawnRun> runs_;
  int runs_page_ = 0;        // the page runs_ holds
  int rotation_ = 0;         // the turn that page is shown at
  bool runs_whole_ = false;  // whether the renderer recorded that page whole
  FaceShelf shelf_;
  bool script_used_ = false;
  std::vector<long> fragment_runs_;
};

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_TYPESETTING_H_
