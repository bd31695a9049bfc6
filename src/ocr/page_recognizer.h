// Reads the text of a page image with Tesseract: its layout analysis finds
// the blocks, paragraphs and lines, its line recogniser the words.
#ifndef LEXIWEB_OCR_PAGE_RECOGNIZER_H_
#define LEXIWEB_OCR_PAGE_RECOGNIZER_H_

#include <tesseract/baseapi.h>

#include <string>
#include <vector>

#include "common/recognized_text.h"
#include "render/background_renderer.h"

namespace lexiweb {

// The languages whose data Tesseract finds installed, sorted, without
// "osd", which finds a page's orientation and reads no text. Tesseract's
// complaints about missing data stay unsaid.
std::vector<std::string> installed_languages();

// The names of `languages` ("deu+eng") that are not among `installed`.
std::vector<std::string> missing_languages(const std::string& languages,
                                           const std::vector<std::string>& installed);

class PageRecognizer {
 public:
  PageRecognizer() = default;
  PageRecognizer(const PageRecognizer&) = delete;
  PageRecognizer& operator=(const PageRecognizer&) = delete;

  // Loads the data of `languages`, names joined by "+" as in "deu+eng";
  // false when the data of any of them is not installed.
  bool load(const std::string& languages);

  // Takes a copy of `image`, drawn at kRecognitionDpi, to recognise.
  void set_image(const GrayPage& image);

  // The words of the image, in Tesseract's reading order.
  RecognizedPage recognize();

 private:
  tesseract::TessBaseAPI api_;
  long width_ = 0;
  long height_ = 0;
};

}  // namespace lexiweb

#endif  // LEXIWEB_OCR_PAGE_RECOGNIZER_H_
