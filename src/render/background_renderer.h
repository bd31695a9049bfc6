// Draws the page backgrounds of a PDF as pdftohtml's complex mode draws
// them: every page through poppler's Splash renderer with its text left
// out, so that the text can lie on top of it as HTML; the text it leaves
// out goes to a recorder, with where it stands.
#ifndef LEXIWEB_RENDER_BACKGROUND_RENDERER_H_
#define LEXIWEB_RENDER_BACKGROUND_RENDERER_H_

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "render/text_recorder.h"

namespace lexiweb {

// One drawn page: `height` rows of `width` pixels, three bytes (red, green,
// blue) a pixel, each row starting `row_size` bytes after the one before.
struct Background {
  int width = 0;
  int height = 0;
  std::ptrdiff_t row_size = 0;
  const unsigned char* pixels = nullptr;
};

class BackgroundRenderer {
 public:
  // Opens `pdf_file`; ok() tells whether it could be read.
  explicit BackgroundRenderer(const std::string& pdf_file);
  ~BackgroundRenderer();
  BackgroundRenderer(const BackgroundRenderer&) = delete;
  BackgroundRenderer& operator=(const BackgroundRenderer&) = delete;

  bool ok() const;
  int page_count() const;

  // Draws page `page` (counted from 1) at 72 * `zoom` dots per inch on white
  // paper, its text into `text`. The background stays valid until the next
  // call.
  Background draw(int page, double zoom, TextRecorder& text);

  // Only the text of page `page` into `text`, as draw records it.
  void record_text(int page, double zoom, TextRecorder& text);

 private:
  struct Library;
  std::unique_ptr<Library> library_;
};

}  // namespace lexiweb

#endif  // LEXIWEB_RENDER_BACKGROUND_RENDERER_H_
