// Gives each font class of a converted page real families: the free face
// of the font table, the faces that draw what it lacks, and a generic
// family after them, with an @font-face rule in the page's style element
// for each face its fragments are set in (face_shelf.h).
#ifndef LEXIWEB_TYPESET_PAGE_FONTS_H_
#define LEXIWEB_TYPESET_PAGE_FONTS_H_

#include <map>
#include <string>
#include <vector>

#include "typeset/converted_page.h"
#include "typeset/face_shelf.h"
#include "typeset/font_table.h"

namespace lexiweb {

// The PDF's font that the converter names `converter_name` in a page's
// style: pdftohtml names a font by its name up to the first "-" or ",", so
// "EQVMNG+LiberationSans-Bold" is "EQVMNG+LiberationSans". When `fonts`
// (what the PDF tells of its fonts) holds no single such font, the name alone.
PdfFont font_named(const std::string& converter_name, const std::vector<PdfFont>& fonts);

// Rewrites the font families of the style element of `page` (a reshaped
// converter page), puts the @font-face rules of the faces its
// fragments are set in at the start of the style, and adds their
// characters to `shelf`. A character goes to the face of its class, in the
// bold or italic face where it stands in a b or i element, or else to the
// first fallback face that has it, which then stands in the class's list.
// The private use characters of a class set in Symbol or Wingdings become
// the characters they stand for (symbol_characters.h). Returns the face that
// leads each class's families, by class name: the one whose heights the
// browser lays out its lines by. A class of the generic family alone has none.
std::map<std::string, FontFace> set_page_fonts(ConvertedPage& page,
                                               const std::vector<PdfFont>& fonts, FaceShelf& shelf);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_PAGE_FONTS_H_
