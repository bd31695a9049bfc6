// Sets the converted pages as the PDF does on any reader's machine: their
// fonts mapped to free faces that travel with the site (page_fonts.h), each
// text fragment carrying its width in the PDF (fragment_widths.h), and the
// script that fits the fragments to those widths (fit_script.h).
#ifndef LEXIWEB_PLATFORM_TYPESETTING_H_
#define LEXIWEB_PLATFORM_TYPESETTING_H_

#include <string>
#include <vector>

#include "platform/converter_processes.h"
#include "platform/font_table.h"
#include "platform/fragment_widths.h"
#include "platform/page_fonts.h"

namespace lexiweb {

// How the pages are measured: pdftohtml -xml at the same zoom over page
// ranges and the font query (lexiweb-fonts, when installed) over the
// document, `page_count` 0 meaning the whole document; as jobs that the
// converter runs among its own, each in a process of its own, and the files
// they write into `folder`. The jobs may fail: what a failed one would have
// told is missing, and the pages then do without it, the widths or the
// fonts' flags beyond their names.
struct Measuring {
  std::vector<ConverterJob> jobs;
  std::vector<std::string> files;
};
Measuring measuring_jobs(const std::string& zoom, const std::string& pdf_file,
                         const std::string& folder, int page_count);

class Typesetting {
 public:
  // Reads what the measuring jobs wrote into `folder`.
  Typesetting(const std::string& folder, const Measuring& measuring);

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

// The font query installed with this program: lib/lexiweb/lexiweb-fonts in
// the program's folder (the build tree) or beside it (an install, the
// program in bin/). Empty when there is none.
std::string font_query_program();

}  // namespace lexiweb

#endif  // LEXIWEB_PLATFORM_TYPESETTING_H_
