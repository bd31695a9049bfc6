// Maps the fonts a PDF names to free faces that take about the same room:
// metric-compatible faces for the common PostScript and office fonts, Latin
// Modern at the nearest design size for Computer Modern, faces for Chinese,
// Japanese and Korean and for mathematical signs, and a generic family
// when no face is known; and names the faces that draw what a face lacks.
// Pure functions; finding the files is the caller's job.
#ifndef LEXIWEB_TYPESET_FONT_TABLE_H_
#define LEXIWEB_TYPESET_FONT_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

namespace lexiweb {

// What the PDF tells of one font: its name (a subset prefix such as
// "DQMPNC+" may stand in front) and its descriptor's flags.
struct PdfFont {
  std::string name;
  bool bold = false;
  bool italic = false;
  bool fixed_pitch = false;
  bool serif = false;
  // The advances of its letters a to z in thousandths of an em, 0 where it
  // has no such letter; empty when it tells none.
  std::vector<int> letter_widths = {};
};

// A free face for a font. `family` is the CSS family the pages name it by
// (empty when no face is known: then only `generic` and the fallbacks
// apply), `file` the face's file name as its Debian package installs it.
struct FontFace {
  std::string family;
  std::string file;
  bool bold = false;
  bool italic = false;
  std::string generic;  // "serif", "sans-serif" or "monospace"
};

// `name` without a subset prefix: six capital letters and "+".
std::string_view without_subset_prefix(std::string_view name);

// The face for `font`. Weight and slant come from the flags and from the
// style part of the name ("-Bold", "Italic", "Oblique", ",BoldItalic"...).
FontFace free_face(const PdfFont& font);

// The faces of the table of the generic family `generic` ("serif",
// "sans-serif" or "monospace"), in `bold` and `italic` where they have
// them, among which a font that no name tells of is matched by its widths.
std::vector<FontFace> kind_faces(std::string_view generic, bool bold, bool italic);

// The faces that draw the characters `face` lacks, in the order to try
// them, with its weight and slant where they have them: for its generic
// family, DejaVu, Latin Modern Math, then Noto CJK.
std::vector<FontFace> fallback_faces(const FontFace& face);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FONT_TABLE_H_
