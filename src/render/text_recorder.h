// Gathers the glyphs drawn on a page into runs (common/drawn_text.h) and
// the fonts that drew them, without poppler's types so that the renderer's
// device only hands over numbers.
#ifndef LEXIWEB_RENDER_TEXT_RECORDER_H_
#define LEXIWEB_RENDER_TEXT_RECORDER_H_

#include <set>
#include <string>
#include <vector>

#include "common/drawn_text.h"

namespace lexiweb {

// What decides whether two glyphs may share a run, besides their places:
// pdftohtml puts text of another font, size or colour into another fragment.
struct GlyphStyle {
  const void* font = nullptr;
  double size = 0;
  unsigned colour = 0;
  bool visible = true;
  bool operator==(const GlyphStyle&) const = default;
};

// One drawn glyph, in pixels at the page's zoom.
struct DrawnGlyph {
  double left = 0;
  double right = 0;  // where its advance ends
  double base = 0;
  double top = 0;
  GlyphStyle style;
  const unsigned* text = nullptr;  // its Unicode characters
  int text_length = 0;
};

class TextRecorder {
 public:
  void add_glyph(const DrawnGlyph& glyph);

  // Where the text of the last glyph added with text begins: its run, from
  // 0 on the page, and the byte of the run's text.
  long last_glyph_run() const { return static_cast<long>(runs_.size()) - 1; }
  long last_glyph_offset() const { return glyph_offset_; }

  // Notes a picture drawn on the page, which covers `share` of it, at
  // `pixels_per_inch` of its own.
  void add_picture(double share, double pixels_per_inch);

  // Adds the font `name` with `flags` (drawn_text.h) to the fonts drawn,
  // once per name, and makes it the font of the glyphs that follow.
  void add_font(const std::string& name, const std::string& flags);

  // Notes the advance of `letter` (a to z) in the font of the glyphs, in
  // ems. A font tells its letters' widths on the page it is first drawn on.
  void add_letter_width(char32_t letter, double ems);

  // Appends the page's runs, "p" to "e", to `text`, and the fonts first
  // drawn on it and its page line to `pages` (drawn_text.h); then starts
  // the next page. `rotation` is the page's turn in degrees,
  // `blank_background` tells whether the background came out blank, when
  // it was drawn.
  void end_page(int page, int rotation, bool blank_background, std::string& text,
                std::string& pages);

 private:
  std::vector<DrawnRun> runs_;
  GlyphStyle style_;       // of the last run
  double right_ = 0;       // where the last run ends, unrounded
  double base_ = 0;        // the baseline of its last glyph, unrounded
  long glyph_offset_ = 0;  // where the last glyph's text begins in its run
  std::set<std::string> font_names_;
  std::vector<DrawnFont> new_fonts_;  // the fonts first drawn on the page
  int font_ = -1;              // the font of the glyphs in new_fonts_; -1 for one told of before
  double scanned_share_ = 0;   // of the page, covered by pictures as scans are
  double readable_share_ = 0;  // by pictures fine enough to read
  double coarse_share_ = 0;    // by pictures too coarse to read
};

}  // namespace lexiweb

#endif  // LEXIWEB_RENDER_TEXT_RECORDER_H_
