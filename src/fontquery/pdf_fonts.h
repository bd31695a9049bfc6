// The fonts that pages of a PDF use, with what their descriptors say of
// weight, slant, pitch and serifs, read through poppler's library. Kept in
// its own program (lexiweb-fonts) so that a document that crashes the
// library never takes lexiweb down.
#ifndef LEXIWEB_FONTQUERY_PDF_FONTS_H_
#define LEXIWEB_FONTQUERY_PDF_FONTS_H_

#include <optional>
#include <string>
#include <vector>

namespace lexiweb {

struct PdfFontFlags {
  std::string name;  // as the PDF names it, subset prefix included
  bool bold = false;
  bool italic = false;
  bool fixed_pitch = false;
  bool serif = false;
};

// The named fonts of pages `first` to `last` (from 1; pages past the end are
// left out), each once, in the order first met; nothing when the document
// cannot be opened.
std::optional<std::vector<PdfFontFlags>> pdf_fonts(const std::string& pdf_path, int first,
                                                   int last);

}  // namespace lexiweb

#endif  // LEXIWEB_FONTQUERY_PDF_FONTS_H_
