// Walks the font resources of each page and of the form XObjects it draws,
// as pdffonts does, and reads each font's flags the way pdftohtml decides on
// bold text: the descriptor's bold flag or a weight of 700 or more.
#include "fontquery/pdf_fonts.h"

#include <poppler/GfxFont.h>
#include <poppler/GlobalParams.h>
#include <poppler/PDFDoc.h>
#include <poppler/Page.h>

#include <memory>
#include <set>

namespace lexiweb {
namespace {

class FontCollector {
 public:
  explicit FontCollector(XRef* xref) : xref_(xref) {}

  void scan(Dict* resources) {
    if (resources == nullptr) return;
    Object fonts = resources->lookup("Font");
    if (fonts.isDict()) {
      for (int i = 0; i < fonts.dictGetLength(); ++i) {
        const Object& entry = fonts.dictGetValNF(i);
        Ref ref = Ref::INVALID();
        if (entry.isRef()) {
          ref = entry.getRef();
          if (!fonts_seen_.insert(ref.num).second) continue;
        }
        Object font = fonts.dictGetVal(i);
        if (!font.isDict()) continue;
        add(GfxFont::makeFont(xref_, fonts.dictGetKey(i), ref, font.getDict()).get());
      }
    }
    Object xobjects = resources->lookup("XObject");
    if (!xobjects.isDict()) return;
    for (int i = 0; i < xobjects.dictGetLength(); ++i) {
      const Object& entry = xobjects.dictGetValNF(i);
      if (entry.isRef() && !visited_.insert(entry.getRef().num).second) continue;
      Object xobject = xobjects.dictGetVal(i);
      if (!xobject.isStream()) continue;
      Object inner = xobject.streamGetDict()->lookup("Resources");
      if (inner.isDict() && inner.getDict() != resources) scan(inner.getDict());
    }
  }

  std::vector<PdfFontFlags> take() { return std::move(fonts_); }

 private:
  void add(const GfxFont* font) {
    if (font == nullptr || !font->getName()) return;
    const std::string& name = *font->getName();
    if (!names_.insert(name).second) return;
    PdfFontFlags flags;
    flags.name = name;
    flags.bold = font->isBold() || font->getWeight() >= GfxFont::W700;
    flags.italic = font->isItalic();
    flags.fixed_pitch = font->isFixedWidth();
    flags.serif = font->isSerif();
    fonts_.push_back(std::move(flags));
  }

  XRef* xref_;
  std::set<int> visited_;
  std::set<int> fonts_seen_;
  std::set<std::string> names_;
  std::vector<PdfFontFlags> fonts_;
};

}  // namespace

std::optional<std::vector<PdfFontFlags>> pdf_fonts(const std::string& pdf_path, int first,
                                                   int last) {
  if (!globalParams) globalParams = std::make_unique<GlobalParams>();
  globalParams->setErrQuiet(true);
  PDFDoc doc(std::make_unique<GooString>(pdf_path));
  if (!doc.isOk()) return std::nullopt;
  FontCollector collector(doc.getXRef());
  for (int page = std::max(first, 1); page <= std::min(last, doc.getNumPages()); ++page) {
    Page* pdf_page = doc.getPage(page);
    if (pdf_page != nullptr) collector.scan(pdf_page->getResourceDict());
  }
  return collector.take();
}

}  // namespace lexiweb
