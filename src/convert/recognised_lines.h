// The words of a page that has no text of its own, laid over the page's
// picture: lines recognised on a scan (common/recognized_text.h), or the
// invisible text layer that a scanner's software drew (common/drawn_text.h),
// put into the converted page as text fragments that the reader does not
// see, each word placed over its own picture, and that the stages index as
// any other text.
#ifndef LEXIWEB_CONVERT_RECOGNISED_LINES_H_
#define LEXIWEB_CONVERT_RECOGNISED_LINES_H_

#include <string>
#include <string_view>
#include <vector>

#include "common/drawn_text.h"
#include "common/recognized_text.h"

namespace lexiweb {

// In pixels of the converted page, from its top left corner.
struct PlacedWord {
  double left = 0;
  double right = 0;
  std::string text;  // UTF-8
};

struct PlacedLine {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  std::vector<PlacedWord> words;
  double base = 0;  // the baseline
};

// Below these median confidences the words of a recognised page, or of a
// block of it, are dropped: the words of real text reach a median of 96 on
// every page, and a block of them, even of misread formulas, more than 30;
// a photograph or a drawing read as text stays below 30.
inline constexpr long kLeastPageConfidence = 60;
inline constexpr long kLeastBlockConfidence = 30;

// The lines of `page`, scaled into a page `page_width` pixels wide, in the
// recogniser's reading order; none when the page's median confidence is
// below kLeastPageConfidence, and without the blocks whose median is below
// kLeastBlockConfidence.
std::vector<PlacedLine> recognised_lines(const RecognizedPage& page, double page_width);

// The lines of the invisible runs among `runs`, in the order drawn: a run
// goes on the line before it where it stands on its baseline to its right.
std::vector<PlacedLine> invisible_lines(const std::vector<DrawnRun>& runs);

// The width of the page `page_html` (a reshaped converter page) in pixels,
// from its page div; 0 when it has none.
double page_width_of(std::string_view page_html);

// Puts `lines` into `page_html` (a reshaped converter page): a fragment a
// line, of class "lexiweb-ocr", before the end of the page's div, with its
// baseline below its top (data-b), its words in spans that know their place
// within the line (data-x, data-w); the
// class's rules at the end of the page's style element, and the element of
// the script that places the words (recognition_script.h) after it.
void add_recognised_lines(std::string& page_html, const std::vector<PlacedLine>& lines);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_RECOGNISED_LINES_H_
