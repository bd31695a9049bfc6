// The words recognised on a page that is a picture of text: lexiweb-ocr
// draws the page at kRecognitionDpi, recognises it and writes one file for
// the page, which the converter reads to lay the words over the scan. The
// lines, blocks and paragraphs come in the recogniser's reading order.
// Every line of the file ends with CR LF:
//   "i WIDTH HEIGHT"                            the page image's size in pixels
//   "b"                                         a block begins
//   "p"                                         a paragraph begins
//   "l LEFT TOP RIGHT BOTTOM BASE"              a line of text begins
//   "w LEFT TOP RIGHT BOTTOM CONFIDENCE TEXT"   a word of that line
//   "e"                                         the page is complete
// Boxes are in pixels of the page image, counted between the pixels' edges
// from its top left corner: a box from LEFT to RIGHT spans RIGHT - LEFT
// pixels. BASE is the height of the line's baseline halfway along it.
// CONFIDENCE is the recogniser's, 0 to 100; TEXT is UTF-8.
#ifndef LEXIWEB_COMMON_RECOGNIZED_TEXT_H_
#define LEXIWEB_COMMON_RECOGNIZED_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

namespace lexiweb {

// The resolution pages are drawn at for recognition: what the recogniser's
// models are trained for and what scanners deliver.
inline constexpr int kRecognitionDpi = 300;

struct PixelBox {
  long left = 0;
  long top = 0;
  long right = 0;
  long bottom = 0;
  bool operator==(const PixelBox&) const = default;
};

struct RecognizedWord {
  PixelBox box;
  long confidence = 0;
  std::string text;  // control characters become blanks when written
  bool operator==(const RecognizedWord&) const = default;
};

struct RecognizedLine {
  bool starts_block = false;
  bool starts_paragraph = false;
  PixelBox box;
  long baseline = 0;
  std::vector<RecognizedWord> words;
  bool operator==(const RecognizedLine&) const = default;
};

struct RecognizedPage {
  long width = 0;
  long height = 0;
  std::vector<RecognizedLine> lines;
  bool operator==(const RecognizedPage&) const = default;
};

// The whole file of `page`, "i" to "e".
std::string format_recognized_page(const RecognizedPage& page);

// Reads a whole file back into `page`; false when `bytes` are no such file
// or an incomplete one (no "e" line at its end).
bool parse_recognized_page(std::string_view bytes, RecognizedPage* page);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_RECOGNIZED_TEXT_H_
