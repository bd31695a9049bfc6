// The page backgrounds drawn apart from the pages: pdftohtml -c -i writes the
// pages without their background image, lexiweb-render draws the images as
// pdftohtml -c would, and each page then gets the line that shows its image.
#ifndef LEXIWEB_CONVERT_PAGE_BACKGROUNDS_H_
#define LEXIWEB_CONVERT_PAGE_BACKGROUNDS_H_

#include <string>

namespace lexiweb {

// The background renderer installed with this program: lib/lexiweb/lexiweb-render
// in the program's folder (the build tree) or beside it (an install, the
// program in bin/). Empty when there is none: the program was built without
// poppler's library, and pdftohtml -c draws the backgrounds.
std::string background_renderer();

// The name of page N's background image, as pdftohtml -c names it: "page",
// N in three or more digits, ".png".
std::string background_image_file(int page);

// Puts into page `page`, as pdftohtml -c -i wrote it, the line that pdftohtml
// -c writes there: right after the line that opens the page's div, an img of
// its background image with the div's width and height. False, and the page
// unchanged, when that line is not found.
bool add_background_line(std::string& page_html, int page);

// Gives the background image of page `page` the text alternative a reader
// needs: none (alt="") for the picture behind a page's text, which the page
// holds as text; "scanned page N" for a scan whose recognised words stand
// over it (`scanned`). Leaves a page without that image as it is.
void describe_background(std::string& page_html, int page, bool scanned);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_PAGE_BACKGROUNDS_H_
