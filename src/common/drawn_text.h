// The text the background renderer sees drawn on each page: runs of glyphs
// that follow one another on one line in one font, size and colour, with
// where they stand. lexiweb-render writes them, a file per page range, and
// the typesetting measures the converter's text fragments by them. Every
// line of the file ends with CR LF:
//   "p N R"                             page N begins; R is the quarter
//                                       turn (0, 90, 180 or 270 degrees
//                                       clockwise) it is shown at
//   "r TOP BASE LEFT RIGHT V TEXT"      a run (see DrawnRun)
//   "e"                                 page N is complete
// Positions are whole numbers of kDrawnUnitsPerPixel to a pixel at the
// page's zoom: fine enough that a width rounds to whole pixels as
// pdftohtml rounds it.
// What the pages hold goes to a second file, small enough to read whole
// before the pages are set, lines ended by CR LF as well:
//   "f NAME<tab>FLAGS[<tab>WIDTHS]"
//                        a font first drawn in the range: FLAGS the letters
//                        b (bold), i (italic), f (fixed pitch), s (serif), or "-";
//                        WIDTHS the advances of its letters a to z, 26
//                        numbers separated by commas in thousandths of an em,
//                        0 where it has no such letter (absent when it has none)
//   "p N FLAGS"          page N drawn: FLAGS the letters b (its background is
//                        blank), t (visible text drawn on it), i (invisible
//                        text drawn on it), s (pictures as a scanner makes
//                        them cover much of it, or pictures fine enough to
//                        read cover it whole), c (pictures too coarse to
//                        read cover it whole), or "-"; a page recorded
//                        without its background drawn has none of b, s, c
#ifndef LEXIWEB_COMMON_DRAWN_TEXT_H_
#define LEXIWEB_COMMON_DRAWN_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

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

inline constexpr char kDrawnFont = 'f';
inline constexpr char kDrawnPage = 'p';

inline constexpr int kDrawnLetters = 26;  // a to z

struct DrawnFont {
  std::string name;  // as the PDF names it, subset prefix included
  std::string flags;
  std::vector<int> letter_widths = {};  // kDrawnLetters of them, or none
};

struct DrawnPage {
  long page = 0;
  bool blank_background = false;
  bool visible_text = false;
  bool invisible_text = false;
  bool scanned_picture = false;
  bool coarse_picture = false;
};

// The lines of the second file, CR LF included; a control character in a
// font's name becomes "?".
void append_drawn_font(std::string& out, const DrawnFont& font);
void append_drawn_page(std::string& out, const DrawnPage& page);

// Read a line of the second file (without its line end); false when
// `line` is not one of that kind.
bool parse_drawn_font(std::string_view line, DrawnFont* font);
bool parse_drawn_page(std::string_view line, DrawnPage* page);

// What files of the second kind hold, in the order read.
struct DrawnPages {
  std::vector<DrawnFont> fonts;
  std::vector<DrawnPage> pages;
};

// Adds the lines of the file `path` to `drawn`. A renderer that failed
// leaves its file missing or short: it adds what it has, and the pages it
// did not tell of go without what it saw.
void read_drawn_pages(const std::string& path, DrawnPages* drawn);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_DRAWN_TEXT_H_
