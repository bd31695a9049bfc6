// The only code that meets poppler's own interface, which changes between
// poppler versions; it is written against poppler 22.12 (Debian 12).
// pdftohtml -c draws its backgrounds with a Splash device in RGB, rows
// padded to 4 bytes, on white paper, whose text operations do nothing; the
// same device here gives the same pixels.
#include "render/background_renderer.h"

#include <GlobalParams.h>
#include <PDFDoc.h>
#include <SplashOutputDev.h>
#include <goo/GooString.h>
#include <splash/SplashBitmap.h>

namespace lexiweb {
namespace {

class TextlessOutputDev : public SplashOutputDev {
 public:
  explicit TextlessOutputDev(SplashColorPtr paper)
      : SplashOutputDev(splashModeRGB8, 4, false, paper) {}

  void drawChar(GfxState*, double, double, double, double, double, double, CharCode, int,
                const Unicode*, int) override {}
  bool beginType3Char(GfxState*, double, double, double, double, CharCode, const Unicode*,
                      int) override {
    return false;
  }
  void endType3Char(GfxState*) override {}
  void beginTextObject(GfxState*) override {}
  void endTextObject(GfxState*) override {}
  bool interpretType3Chars() override { return false; }
};

SplashColor white_paper = {255, 255, 255, 255};

}  // namespace

struct BackgroundRenderer::Library {
  std::unique_ptr<PDFDoc> document;
  TextlessOutputDev output{white_paper};
};

BackgroundRenderer::BackgroundRenderer(const std::string& pdf_file) {
  if (!globalParams) {
    globalParams = std::make_unique<GlobalParams>();
    // As pdftohtml -q: the warnings of damaged but readable documents stay unsaid.
    globalParams->setErrQuiet(true);
  }
  library_ = std::make_unique<Library>();
  library_->document = std::make_unique<PDFDoc>(std::make_unique<GooString>(pdf_file));
  if (library_->document->isOk()) library_->output.startDoc(library_->document.get());
}

BackgroundRenderer::~BackgroundRenderer() = default;

bool BackgroundRenderer::ok() const { return library_->document->isOk(); }

int BackgroundRenderer::page_count() const { return library_->document->getNumPages(); }

Background BackgroundRenderer::draw(int page, double zoom) {
  const double dpi = 72 * zoom;
  library_->document->displayPage(&library_->output, page, dpi, dpi, 0, true, false, false);
  SplashBitmap* bitmap = library_->output.getBitmap();
  return {bitmap->getWidth(), bitmap->getHeight(), bitmap->getRowSize(), bitmap->getDataPtr()};
}

}  // namespace lexiweb
