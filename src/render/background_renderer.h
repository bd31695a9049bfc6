// Draws the page backgrounds of a PDF as pdftohtml's complex mode draws
// them: every page through poppler's Splash renderer with its text left
// out, so that the text can lie on top of it as HTML; the text it leaves
// out goes to a recorder, with where it stands. It also draws a whole page,
// text and all, in gray for the text recogniser.
#ifndef LEXIWEB_RENDER_BACKGROUND_RENDERER_H_
#define LEXIWEB_RENDER_BACKGROUND_RENDERER_H_

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "common/drawn_structure.h"
#include "render/structure_recorder.h"
#include "render/structure_tree.h"
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

// A page drawn whole in 8-bit gray: `height` rows of `width` pixels, one
// byte a pixel (0 black, 255 white), each row `row_size` bytes after the
// one before.
struct GrayPage {
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
  // paper, its text into `text` and, for a tagged document, its marked
  // content into `structure`. The background stays valid until the next
  // call.
  Background draw(int page, double zoom, TextRecorder& text,
                  StructureRecorder* structure = nullptr);

  // Only the text of page `page` into `text`, as draw records it.
  void record_text(int page, double zoom, TextRecorder& text,
                   StructureRecorder* structure = nullptr);

  // The document's structure tree as far as pages `first` to `last` need
  // it, empty when it is untagged.
  StructureTree structure_tree(int first, int last) const;

  // The document's /Lang and /Title.
  DocumentTags document_tags() const;

  // The turn page `page` is shown at, in degrees clockwise: 0, 90, 180 or 270.
  int rotation(int page) const;

  // The number of pixels page `page` has when drawn at `dpi` dots per
  // inch, found without drawing it.
  double pixel_count(int page, double dpi) const;

  // Draws page `page` whole, as a reader sees it, at `dpi` dots per inch
  // in gray on white paper. The page stays valid until the next call.
  GrayPage draw_gray(int page, double dpi);

 private:
  struct Library;
  std::unique_ptr<Library> library_;
};

}  // namespace lexiweb

#endif  // LEXIWEB_RENDER_BACKGROUND_RENDERER_H_
