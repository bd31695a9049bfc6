// The page that stands in for a page the converter could not convert: the
// page pdftohtml -c -i writes for a page without text, sized like the page
// it stands for, so that the site keeps every page and every link to it.
#ifndef LEXIWEB_CONVERT_WORDLESS_PAGE_H_
#define LEXIWEB_CONVERT_WORDLESS_PAGE_H_

#include <string>
#include <string_view>
#include <vector>

namespace lexiweb {

// A page's size in whole pixels at the zoom, as pdftohtml sizes its div.
struct PagePixels {
  int width = 0;
  int height = 0;
  // False for a page that cannot be read: it takes the size of the nearest
  // page before it that can, or of a Letter page, poppler's default.
  bool read = false;
};

// Page `page` as pdftohtml -c -i writes a page without text of `size`.
std::string wordless_page(int page, PagePixels size);

// The sizes of pages 1 to `last` at `zoom` (entry 0 for page 1), from
// pdfinfo's page boxes: the media box, turned with the page, times the
// zoom within pdftohtml's bounds.
std::vector<PagePixels> page_sizes(const std::string& pdf_file, int last, std::string_view zoom);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_WORDLESS_PAGE_H_
