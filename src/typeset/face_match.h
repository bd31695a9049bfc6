// Chooses the face of a PDF's font: the font table's face where the table
// knows its name, and for a font it does not know, the face of the table's
// families whose letters are as wide as the PDF says the font's are,
// among the families of its kind (serif, sans or fixed pitch).
#ifndef LEXIWEB_TYPESET_FACE_MATCH_H_
#define LEXIWEB_TYPESET_FACE_MATCH_H_

#include "typeset/face_shelf.h"
#include "typeset/font_table.h"

namespace lexiweb {

// The face for `font`; the widths of the candidates come from `shelf`.
// A font without widths, or whose candidates are not installed, keeps the
// table's generic family.
FontFace matched_face(const PdfFont& font, FaceShelf& shelf);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FACE_MATCH_H_
