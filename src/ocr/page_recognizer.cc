#include "ocr/page_recognizer.h"

#include <tesseract/resultiterator.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace lexiweb {
namespace {

using tesseract::RIL_BLOCK;
using tesseract::RIL_PARA;
using tesseract::RIL_TEXTLINE;
using tesseract::RIL_WORD;

// Only the recogniser of lines: the data of Debian's language packages
// holds nothing else, and it is the better and the faster of Tesseract's two.
constexpr tesseract::OcrEngineMode kEngine = tesseract::OEM_LSTM_ONLY;

std::vector<std::string> split_languages(const std::string& languages) {
  std::vector<std::string> names;
  size_t start = 0;
  for (size_t plus = languages.find('+');; plus = languages.find('+', start)) {
    names.push_back(languages.substr(start, plus - start));
    if (plus == std::string::npos) break;
    start = plus + 1;
  }
  return names;
}

PixelBox box_of(const tesseract::ResultIterator& it, tesseract::PageIteratorLevel level) {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  it.BoundingBox(level, &left, &top, &right, &bottom);
  return {left, top, right, bottom};
}

// The height of the baseline halfway along the line `box`; the box's
// bottom when Tesseract has no baseline for it.
long baseline_of(const tesseract::ResultIterator& it, const PixelBox& box) {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  if (!it.Baseline(RIL_TEXTLINE, &x1, &y1, &x2, &y2)) return box.bottom;
  if (x1 == x2) return std::lround((y1 + y2) / 2.0);
  const double middle = (box.left + box.right) / 2.0;
  return std::lround(y1 + (y2 - y1) * (middle - x1) / (x2 - x1));
}

std::string text_of(const tesseract::ResultIterator& it, tesseract::PageIteratorLevel level) {
  const std::unique_ptr<char[]> text(it.GetUTF8Text(level));
  return text ? std::string(text.get()) : std::string();
}

bool is_blank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

}  // namespace

std::vector<std::string> installed_languages() {
  tesseract::TessBaseAPI api;
  api.SetVariable("debug_file", "/dev/null");
  // Finding the data folder takes an attempt to load a language; a failed
  // one finds it too, as tesseract --list-langs does.
  api.Init(nullptr, "eng", kEngine);
  std::vector<std::string> languages;
  api.GetAvailableLanguagesAsVector(&languages);
  std::erase(languages, "osd");
  return languages;
}

std::vector<std::string> missing_languages(const std::string& languages,
                                           const std::vector<std::string>& installed) {
  std::vector<std::string> missing;
  for (const std::string& name : split_languages(languages)) {
    if (std::find(installed.begin(), installed.end(), name) == installed.end()) {
      missing.push_back(name);
    }
  }
  return missing;
}

bool PageRecognizer::load(const std::string& languages) {
  if (api_.Init(nullptr, languages.c_str(), kEngine) != 0) return false;
  // Tesseract goes on without a language whose data it lacks once it has
  // another: "deu+eng" without the German data would read German as English.
  std::vector<std::string> installed;
  api_.GetAvailableLanguagesAsVector(&installed);
  if (!missing_languages(languages, installed).empty()) return false;
  api_.SetPageSegMode(tesseract::PSM_AUTO);
  return true;
}

void PageRecognizer::set_image(const GrayPage& image) {
  api_.SetImage(image.pixels, image.width, image.height, 1, static_cast<int>(image.row_size));
  // Told the resolution, Tesseract neither guesses it nor warns that it does.
  api_.SetSourceResolution(kRecognitionDpi);
  width_ = image.width;
  height_ = image.height;
}

RecognizedPage PageRecognizer::recognize() {
  RecognizedPage page{width_, height_, {}};
  if (api_.Recognize(nullptr) != 0) return page;
  const std::unique_ptr<tesseract::ResultIterator> it(api_.GetIterator());
  if (!it) return page;
  // A line that ends up without words hands its block's and paragraph's
  // beginnings on to the next line.
  bool block = false;
  bool paragraph = false;
  RecognizedLine line;
  auto end_line = [&] {
    if (line.words.empty()) return;
    line.starts_block = std::exchange(block, false);
    line.starts_paragraph = std::exchange(paragraph, false);
    page.lines.push_back(std::move(line));
    line = {};
  };
  for (; !it->Empty(RIL_BLOCK); it->Next(RIL_WORD)) {
    // The blocks of pictures and rules hold no words.
    if (it->Empty(RIL_WORD)) continue;
    if (it->IsAtBeginningOf(RIL_TEXTLINE)) {
      end_line();
      block = block || it->IsAtBeginningOf(RIL_BLOCK);
      paragraph = paragraph || it->IsAtBeginningOf(RIL_PARA);
      line.box = box_of(*it, RIL_TEXTLINE);
      line.baseline = baseline_of(*it, line.box);
    }
    std::string text = text_of(*it, RIL_WORD);
    if (is_blank(text)) continue;
    const long confidence = std::clamp(std::lround(it->Confidence(RIL_WORD)), 0L, 100L);
    line.words.push_back({box_of(*it, RIL_WORD), confidence, std::move(text)});
  }
  end_line();
  return page;
}

}  // namespace lexiweb
