// A glyph continues the run before it when it has its style, stands on its
// baseline and starts where the run's advance ends, give or take what
// kerning moves a glyph. pdftohtml starts a new string wherever a glyph
// stands apart from the one before, so a line of its output always ends
// where a run ends, and the typesetting can measure lines by whole runs.
#include "render/text_recorder.h"

#include <cmath>
#include <utility>

#include "common/utf8.h"

namespace lexiweb {
namespace {

// Kerning moves glyphs by a few hundredths of the font size; the space
// between words is a quarter of it or more.
constexpr double kKerningShare = 0.05;

// A page is a scan where pictures of a scanner's resolution (faxes reach
// 100 pixels an inch, scanners 200 and more; the logos and figures of
// born-digital documents mostly far less) cover a good part of it, or
// where pictures cover it whole: a scan that carries no resolution of its
// own gets 96 pixels an inch from img2pdf and 72 from other tools, and the
// recogniser draws every scan at its own resolution. Below 72 a page's
// picture is too coarse to read.
constexpr double kLeastScanResolution = 100;
constexpr double kLeastScanShare = 0.25;
constexpr long kLeastReadableResolution = 72;
constexpr double kWholePageShare = 0.8;

long drawn_units(double pixels) { return std::lround(pixels * kDrawnUnitsPerPixel); }

}  // namespace

void TextRecorder::add_glyph(const DrawnGlyph& glyph) {
  if (glyph.text_length <= 0) return;
  const double slack = kKerningShare * glyph.style.size;
  const bool continues = !runs_.empty() && glyph.style == style_ &&
                         std::fabs(glyph.base - base_) <= slack &&
                         std::fabs(glyph.left - right_) <= slack;
  if (!continues) {
    DrawnRun run;
    run.top = drawn_units(glyph.top);
    run.base = drawn_units(glyph.base);
    run.left = drawn_units(glyph.left);
    run.visible = glyph.style.visible;
    runs_.push_back(std::move(run));
    style_ = glyph.style;
  }
  DrawnRun& run = runs_.back();
  glyph_offset_ = static_cast<long>(run.text.size());
  for (int i = 0; i < glyph.text_length; ++i) {
    const char32_t code = glyph.text[i];
    append_utf8(run.text, code < 0x20 || code == 0x7F ? U' ' : code);
  }
  // Glyph to glyph, so that a line drawn a little askew, as a scanner's
  // text layer follows its page, stays one run.
  base_ = glyph.base;
  right_ = glyph.right;
  run.right = drawn_units(glyph.right);
}

void TextRecorder::add_picture(double share, double pixels_per_inch) {
  if (pixels_per_inch >= kLeastScanResolution) scanned_share_ += share;
  // Rounded, since a picture's resolution comes out of the page's matrix.
  (std::lround(pixels_per_inch) >= kLeastReadableResolution ? readable_share_ : coarse_share_) +=
      share;
}

void TextRecorder::add_font(const std::string& name, const std::string& flags) {
  font_ = -1;
  if (name.empty() || !font_names_.insert(name).second) {
    for (size_t i = 0; i < new_fonts_.size(); ++i) {
      if (new_fonts_[i].name == name) font_ = static_cast<int>(i);
    }
    return;
  }
  font_ = static_cast<int>(new_fonts_.size());
  new_fonts_.push_back({name, flags, std::vector<int>(kDrawnLetters, 0)});
}

void TextRecorder::add_letter_width(char32_t letter, double ems) {
  if (font_ < 0 || letter < U'a' || letter > U'z' || !(ems > 0) || ems > 4) return;
  new_fonts_[font_].letter_widths[letter - U'a'] = static_cast<int>(std::lround(ems * 1000));
}

void TextRecorder::end_page(int page, int rotation, bool blank_background, std::string& text,
                            std::string& pages) {
  const bool scanned = scanned_share_ >= kLeastScanShare || readable_share_ >= kWholePageShare;
  DrawnPage drawn{page,
                  blank_background,
                  false,
                  false,
                  !blank_background && scanned,
                  !blank_background && !scanned && coarse_share_ >= kWholePageShare};
  scanned_share_ = 0;
  readable_share_ = 0;
  coarse_share_ = 0;
  text += kDrawnPageStart;
  text += ' ' + std::to_string(page) + ' ' + std::to_string(rotation) + "\r\n";
  for (const DrawnRun& run : runs_) {
    append_drawn_run(text, run);
    (run.visible ? drawn.visible_text : drawn.invisible_text) = true;
  }
  text += kDrawnPageEnd;
  text += "\r\n";
  runs_.clear();
  for (DrawnFont& font : new_fonts_) {
    bool measured = false;
    for (int width : font.letter_widths) measured |= width > 0;
    if (!measured) font.letter_widths.clear();
    append_drawn_font(pages, font);
  }
  new_fonts_.clear();
  font_ = -1;
  append_drawn_page(pages, drawn);
}

}  // namespace lexiweb
