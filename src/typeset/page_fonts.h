// Gives each font class of a converted page a real family: the free face of
// the font table, whose file is copied into the site's font folder, with an
// @font-face rule for it in the page's style element, and a generic family
// after it for a reader whose browser cannot load the face.
#ifndef LEXIWEB_TYPESET_PAGE_FONTS_H_
#define LEXIWEB_TYPESET_PAGE_FONTS_H_

#include <map>
#include <string>
#include <vector>

#include "typeset/font_table.h"

namespace lexiweb {

// The faces copied so far into `pages_folder`/fonts, each once: as WOFF2
// when woff2_compress is on the PATH, else as the installed file. A face
// compressed once is kept in the user's cache (~/.cache/lexiweb/fonts) and
// taken from there by later runs.
class FontShelf {
 public:
  explicit FontShelf(std::string pages_folder);

  // The address of `face` relative to the pages, such as
  // "fonts/LiberationSans-Regular.woff2"; empty when its file is not
  // installed or could not be copied.
  const std::string& address(const FontFace& face);

  // Compresses the faces copied, several at once, since compressing takes
  // far longer than copying. A face the compressor fails on keeps its own
  // bytes under the WOFF2 name, which the pages already use: browsers tell
  // font formats by their content. False when a face is then missing.
  bool compress();

 private:
  std::string pages_folder_;
  std::string compressor_;                        // empty when there is none
  std::string cache_;                             // of compressed faces; empty when none
  std::map<std::string, std::string> addresses_;  // by file name
  struct Uncompressed {
    std::string copy;    // in the font folder, waiting for the compressor
    std::string cached;  // where the cache keeps it compressed; empty when nowhere
  };
  std::vector<Uncompressed> uncompressed_;
};

// The PDF's font that the converter names `converter_name` in a page's
// style: pdftohtml names a font by its name up to the first "-" or ",", so
// "EQVMNG+LiberationSans-Bold" is "EQVMNG+LiberationSans". When `fonts`
// (what the PDF tells of its fonts) holds no single such font, the name alone.
PdfFont font_named(const std::string& converter_name, const std::vector<PdfFont>& fonts);

// Rewrites the font families of the style element of `page_html` (a
// reshaped converter page) and puts the @font-face rules of the faces its
// fragments use at the start of the style. A fragment in a bold or italic
// element of a class uses that class's bold or italic face as well.
void set_page_fonts(std::string& page_html, const std::vector<PdfFont>& fonts, FontShelf& shelf);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_PAGE_FONTS_H_
