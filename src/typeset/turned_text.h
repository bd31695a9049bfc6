// Text the PDF draws turned. pdftohtml turns a class's text by the PDF's
// text matrix alone, leaving out the page's own turn (its /Rotate) and
// the turns of the drawing around the text, while it places the text
// where the page as shown has it: text that stands upright on a turned
// page comes out on its side, and text that the page turns stands upright.
#ifndef LEXIWEB_TYPESET_TURNED_TEXT_H_
#define LEXIWEB_TYPESET_TURNED_TEXT_H_

#include <set>
#include <string>

namespace lexiweb {

// Sets each class of `page_html` upright that the renderer saw drawn from
// left to right (the classes in `upright`), and adds the page's `rotation`
// (degrees clockwise) to the turn of the others; a class that comes out
// upright loses its transform. Returns the classes that stay turned.
std::set<std::string> add_page_turn(std::string& page_html, int rotation,
                                    const std::set<std::string>& upright);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_TURNED_TEXT_H_
