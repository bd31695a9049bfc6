// The text the background renderer sees drawn on each page: runs of glyphs
// that follow one another on one line in one font, size and colour, with
// where they stand. lexiweb-render writes them, a file per page range, and
// the typesetting measures the converter's text fragments by them. Every
// line of the file ends with CR LF:
//   "p N"                               page N begins
//   "r TOP BASE LEFT RIGHT V TEXT"      a run (see DrawnRun)
//   "e"                                 page N is complete
// Positions are whole numbers of kDrawnUnitsPerPixel to a pixel at the
// page's zoom: fine enough that a width rounds to whole pixels as
// pdftohtml rounds it.
// The fonts drawn go to a file of their own, a line "NAME<tab>FLAGS" each,
// FLAGS the letters b (bold), i (italic), f (fixed pitch), s (serif) or "-".
#ifndef LEXIWEB_COMMON_DRAWN_TEXT_H_
#define LEXIWEB_COMMON_DRAWN_TEXT_H_

#include <string>
#include <string_view>

namespace lexiweb {

inline constexpr long kDrawnUnitsPerPixel = 100;

struct DrawnRun {
  long top = 0;         // the baseline less the font's ascent, as pdftohtml places a line
  long base = 0;        // the baseline
  long left = 0;        // where the first glyph starts
  long right = 0;       // where the advance of the last glyph ends
  bool visible = true;  // false for invisible text, such as a scanner's text layer
  std::string text;     // UTF-8; control characters become blanks
};

inline constexpr char kDrawnPageStart = 'p';
inline constexpr char kDrawnRun = 'r';
inline constexpr char kDrawnPageEnd = 'e';

// Appends the line of `run`, CR LF included.
void append_drawn_run(std::string& out, const DrawnRun& run);

// Reads a run line (without its line end); false when `line` is none.
bool parse_drawn_run(std::string_view line, DrawnRun* run);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_DRAWN_TEXT_H_
