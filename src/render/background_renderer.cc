// The only code that meets poppler's own interface, which changes between
// poppler versions; it is written against poppler 22.12 (Debian 12).
// pdftohtml -c draws its backgrounds with a Splash device in RGB, rows
// padded to 4 bytes, on white paper, whose text operations do nothing; the
// same device here gives the same pixels, and records the text instead.
#include "render/background_renderer.h"

#include <GfxFont.h>
#include <GfxState.h>
#include <GlobalParams.h>
#include <PDFDoc.h>
#include <SplashOutputDev.h>
#include <goo/GooString.h>
#include <splash/SplashBitmap.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "render/structure_recorder.h"

namespace lexiweb {
namespace {

// As pdftohtml decides on bold text: the descriptor's bold flag or a
// weight of 700 or more.
std::string flags_of(const GfxFont& font) {
  std::string letters;
  if (font.isBold() || font.getWeight() >= GfxFont::W700) letters += 'b';
  if (font.isItalic()) letters += 'i';
  if (font.isFixedWidth()) letters += 'f';
  if (font.isSerif()) letters += 's';
  return letters.empty() ? "-" : letters;
}

// Hands the glyphs a device is given to a recorder, placed as pdftohtml
// places them: the advance without the character spacing, the top the
// baseline less the font's ascent, held to 1.05 of the size as pdftohtml
// holds it.
class GlyphRecording {
 public:
  // A font's address may be taken by another font once its page is done.
  void set_recorder(TextRecorder* recorder, StructureRecorder* structure) {
    recorder_ = recorder;
    structure_ = structure;
    last_font_ = nullptr;
  }

  // A marked-content sequence: an artifact, or with the MCID that ties it
  // to its structure element. poppler tells of a sequence only when its
  // property list stands in the content (/P <</MCID 3>> BDC), as office
  // programs write it, and not when the content names one of the page's
  // resources (/P /MC0 BDC), though it tells of that one's end: what such
  // a sequence holds, and what follows it within another, goes without
  // its element.
  void begin_marked(const char* name, Dict* properties) {
    if (structure_ == nullptr) return;
    const bool artifact = name != nullptr && std::strcmp(name, "Artifact") == 0;
    int mcid = -1;
    MarkKind kind = MarkKind::kArtifact;
    if (properties != nullptr) {
      const Object number = properties->lookup("MCID");
      if (number.isInt()) mcid = number.getInt();
      const Object subtype = properties->lookup("Subtype");
      if (subtype.isName("Header")) kind = MarkKind::kHeader;
      if (subtype.isName("Footer")) kind = MarkKind::kFooter;
      if (subtype.isName("PageNum")) kind = MarkKind::kPageNumber;
      if (subtype.isName("Watermark")) kind = MarkKind::kWatermark;
    }
    structure_->begin_marked_content(mcid, artifact, kind);
  }
  void end_marked() {
    if (structure_ != nullptr) structure_->end_marked_content();
  }
  void begin_form(Ref form) {
    if (structure_ != nullptr) structure_->begin_form(form.num, form.gen);
  }
  void end_form() {
    if (structure_ != nullptr) structure_->end_form();
  }

  // What the current path covers, for the element it belongs to.
  void note_path(GfxState* state) {
    if (structure_ == nullptr || !structure_->in_element()) return;
    const GfxPath* path = state->getPath();
    DrawnBox box;
    bool first = true;
    for (int i = 0; i < path->getNumSubpaths(); ++i) {
      const GfxSubpath* subpath = path->getSubpath(i);
      for (int j = 0; j < subpath->getNumPoints(); ++j) {
        double x = 0;
        double y = 0;
        state->transform(subpath->getX(j), subpath->getY(j), &x, &y);
        box = first ? DrawnBox{x, y, x, y}
                    : DrawnBox{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                               std::max(box.bottom, y)};
        first = false;
      }
    }
    if (!first) structure_->add_drawing(box);
  }

  // An image of `width` by `height` pixels drawn into the unit square of
  // the current matrix: the share of the page it covers and its
  // resolution, from the area it takes on the device.
  void note_picture(GfxState* state, int width, int height) {
    if (recorder_ == nullptr) return;
    const double* matrix = state->getCTM();
    const double area = std::abs(matrix[0] * matrix[3] - matrix[1] * matrix[2]);
    const double page_area = state->getPageWidth() * state->getPageHeight();
    if (structure_ != nullptr && structure_->in_element()) {
      // The unit square's corners.
      double x[4];
      double y[4];
      state->transform(0, 0, &x[0], &y[0]);
      state->transform(1, 0, &x[1], &y[1]);
      state->transform(0, 1, &x[2], &y[2]);
      state->transform(1, 1, &x[3], &y[3]);
      structure_->add_drawing({*std::min_element(x, x + 4), *std::min_element(y, y + 4),
                               *std::max_element(x, x + 4), *std::max_element(y, y + 4)});
    }
    if (!(area > 0) || !(page_area > 0) || width <= 0 || height <= 0) return;
    const double device_dpi = state->getHDPI();
    recorder_->add_picture(std::min(1.0, area / page_area),
                           device_dpi * std::sqrt(double(width) * height / area));
  }

  void record(GfxState* state, double x, double y, double dx, double dy, const Unicode* u,
              int u_length) {
    if (recorder_ == nullptr) return;
    GfxFont* font = state->getFont().get();
    if (font != last_font_) {
      last_font_ = font;
      if (font != nullptr && font->getName()) {
        recorder_->add_font(*font->getName(), flags_of(*font));
      }
    }
    // A letter's own advance, without the spacing the text adds to it:
    // what a font that no name tells of is matched by.
    if (font != nullptr && font->getType() != fontType3 && font->getWMode() == 0 && u_length == 1 &&
        u[0] >= 'a' && u[0] <= 'z' && state->getHorizScaling() != 0 && state->getFontSize() != 0) {
      recorder_->add_letter_width(
          u[0], (dx / state->getHorizScaling() - state->getCharSpace()) / state->getFontSize());
    }
    DrawnGlyph glyph;
    double spacing_x = 0;
    double spacing_y = 0;
    state->textTransformDelta(state->getCharSpace() * state->getHorizScaling(), 0, &spacing_x,
                              &spacing_y);
    double advance_x = 0;
    double advance_y = 0;
    state->transformDelta(dx - spacing_x, dy - spacing_y, &advance_x, &advance_y);
    state->transform(x, y, &glyph.left, &glyph.base);
    glyph.right = glyph.left + advance_x;
    const double size = state->getTransformedFontSize();
    const double ascent = font == nullptr ? 0.95 : std::min(font->getAscent(), 1.05);
    glyph.top = glyph.base - ascent * size;
    GfxRGB colour;
    state->getFillRGB(&colour);
    glyph.style = {font, size,
                   (static_cast<unsigned>(colToByte(colour.r)) << 16) |
                       (static_cast<unsigned>(colToByte(colour.g)) << 8) | colToByte(colour.b),
                   (state->getRender() & 3) != 3};
    glyph.text = u;
    glyph.text_length = u_length;
    recorder_->add_glyph(glyph);
    if (structure_ != nullptr && u_length > 0) {
      structure_->add_glyph(recorder_->last_glyph_run(), recorder_->last_glyph_offset(),
                            {glyph.left, glyph.top, glyph.right, glyph.base});
    }
  }

 private:
  TextRecorder* recorder_ = nullptr;
  StructureRecorder* structure_ = nullptr;
  const GfxFont* last_font_ = nullptr;
};

class TextlessOutputDev : public SplashOutputDev, public GlyphRecording {
 public:
  explicit TextlessOutputDev(SplashColorPtr paper)
      : SplashOutputDev(splashModeRGB8, 4, false, paper) {}

  void drawChar(GfxState* state, double x, double y, double dx, double dy, double, double, CharCode,
                int, const Unicode* u, int u_length) override {
    record(state, x, y, dx, dy, u, u_length);
  }
  bool beginType3Char(GfxState*, double, double, double, double, CharCode, const Unicode*,
                      int) override {
    return false;
  }
  void endType3Char(GfxState*) override {}
  void beginTextObject(GfxState*) override {}
  void endTextObject(GfxState*) override {}
  bool interpretType3Chars() override { return false; }

  void beginMarkedContent(const char* name, Dict* properties) override {
    begin_marked(name, properties);
  }
  void endMarkedContent(GfxState*) override { end_marked(); }
  void beginForm(Ref form) override { begin_form(form); }
  void endForm(Ref) override { end_form(); }

  // Paths are drawn as they are, and noted for the element they belong to.
  void stroke(GfxState* state) override {
    note_path(state);
    SplashOutputDev::stroke(state);
  }
  void fill(GfxState* state) override {
    note_path(state);
    SplashOutputDev::fill(state);
  }
  void eoFill(GfxState* state) override {
    note_path(state);
    SplashOutputDev::eoFill(state);
  }

  // Pictures are drawn as they are, and noted for what they cover.
  void drawImage(GfxState* state, Object* ref, Stream* str, int width, int height,
                 GfxImageColorMap* colour_map, bool interpolate, const int* mask_colours,
                 bool inline_image) override {
    note_picture(state, width, height);
    SplashOutputDev::drawImage(state, ref, str, width, height, colour_map, interpolate,
                               mask_colours, inline_image);
  }
  void drawImageMask(GfxState* state, Object* ref, Stream* str, int width, int height, bool invert,
                     bool interpolate, bool inline_image) override {
    note_picture(state, width, height);
    SplashOutputDev::drawImageMask(state, ref, str, width, height, invert, interpolate,
                                   inline_image);
  }
  void drawMaskedImage(GfxState* state, Object* ref, Stream* str, int width, int height,
                       GfxImageColorMap* colour_map, bool interpolate, Stream* mask, int mask_width,
                       int mask_height, bool mask_invert, bool mask_interpolate) override {
    note_picture(state, width, height);
    SplashOutputDev::drawMaskedImage(state, ref, str, width, height, colour_map, interpolate, mask,
                                     mask_width, mask_height, mask_invert, mask_interpolate);
  }
  void drawSoftMaskedImage(GfxState* state, Object* ref, Stream* str, int width, int height,
                           GfxImageColorMap* colour_map, bool interpolate, Stream* mask,
                           int mask_width, int mask_height, GfxImageColorMap* mask_colour_map,
                           bool mask_interpolate) override {
    note_picture(state, width, height);
    SplashOutputDev::drawSoftMaskedImage(state, ref, str, width, height, colour_map, interpolate,
                                         mask, mask_width, mask_height, mask_colour_map,
                                         mask_interpolate);
  }
};

// Draws nothing: only the text is recorded.
class TextOnlyOutputDev : public OutputDev, public GlyphRecording {
 public:
  bool upsideDown() override { return true; }
  bool useDrawChar() override { return true; }
  bool interpretType3Chars() override { return false; }
  bool needNonText() override { return false; }
  void beginMarkedContent(const char* name, Dict* properties) override {
    begin_marked(name, properties);
  }
  void endMarkedContent(GfxState*) override { end_marked(); }
  void beginForm(Ref form) override { begin_form(form); }
  void endForm(Ref) override { end_form(); }
  void drawChar(GfxState* state, double x, double y, double dx, double dy, double, double, CharCode,
                int, const Unicode* u, int u_length) override {
    record(state, x, y, dx, dy, u, u_length);
  }
};

SplashColor white_paper = {255, 255, 255, 255};

// As pdftoppm draws a page, smoothed: a scanner's picture of a page is
// smooth too, and the recogniser is trained on such pictures.
std::unique_ptr<SplashOutputDev> gray_device(PDFDoc* document) {
  auto device = std::make_unique<SplashOutputDev>(splashModeMono8, 1, false, white_paper);
  device->setFontAntialias(true);
  device->setVectorAntialias(true);
  device->startDoc(document);
  return device;
}

}  // namespace

struct BackgroundRenderer::Library {
  std::unique_ptr<PDFDoc> document;
  TextlessOutputDev output{white_paper};
  TextOnlyOutputDev text_only;
  std::unique_ptr<SplashOutputDev> gray;  // made when first needed
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

Background BackgroundRenderer::draw(int page, double zoom, TextRecorder& text,
                                    StructureRecorder* structure) {
  const double dpi = 72 * zoom;
  if (structure != nullptr) structure->start_page(page);
  library_->output.set_recorder(&text, structure);
  library_->document->displayPage(&library_->output, page, dpi, dpi, 0, true, false, false);
  library_->output.set_recorder(nullptr, nullptr);
  SplashBitmap* bitmap = library_->output.getBitmap();
  return {bitmap->getWidth(), bitmap->getHeight(), bitmap->getRowSize(), bitmap->getDataPtr()};
}

void BackgroundRenderer::record_text(int page, double zoom, TextRecorder& text,
                                     StructureRecorder* structure) {
  const double dpi = 72 * zoom;
  if (structure != nullptr) structure->start_page(page);
  library_->text_only.set_recorder(&text, structure);
  library_->document->displayPage(&library_->text_only, page, dpi, dpi, 0, true, false, false);
  library_->text_only.set_recorder(nullptr, nullptr);
}

StructureTree BackgroundRenderer::structure_tree(int first, int last) const {
  return read_structure_tree(*library_->document, first, last);
}

DocumentTags BackgroundRenderer::document_tags() const {
  return document_tags_of(*library_->document);
}

int BackgroundRenderer::rotation(int page) const {
  const int turn = library_->document->getPageRotate(page) % 360;
  return turn < 0 ? turn + 360 : turn;
}

double BackgroundRenderer::pixel_count(int page, double dpi) const {
  // As the Splash device sizes its bitmap: the media box at the
  // resolution, rounded.
  PDFDoc& document = *library_->document;
  const double width = std::max(1.0, std::floor(document.getPageMediaWidth(page) * dpi / 72 + 0.5));
  const double height =
      std::max(1.0, std::floor(document.getPageMediaHeight(page) * dpi / 72 + 0.5));
  return width * height;
}

GrayPage BackgroundRenderer::draw_gray(int page, double dpi) {
  if (!library_->gray) library_->gray = gray_device(library_->document.get());
  library_->document->displayPage(library_->gray.get(), page, dpi, dpi, 0, true, false, false);
  SplashBitmap* bitmap = library_->gray->getBitmap();
  return {bitmap->getWidth(), bitmap->getHeight(), bitmap->getRowSize(), bitmap->getDataPtr()};
}

}  // namespace lexiweb
