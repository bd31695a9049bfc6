// The folder beside the converted pages that holds the faces they are set
// in and the scripts of their own; the pages refer to its files by this
// relative name, so it travels with them into the site.
#ifndef LEXIWEB_TYPESET_FONT_FOLDER_H_
#define LEXIWEB_TYPESET_FONT_FOLDER_H_

#include <string>
#include <string_view>

namespace lexiweb {

inline constexpr char kFontFolder[] = "fonts";

// The element of a page that runs the script `name` of the font folder, a
// line of its own.
std::string font_folder_script(std::string_view name);

// Puts that element at the end of the body of `page_html`, where no rule of
// the page's start (the style element, the fitting script) depends on it;
// pdftohtml ends every page's body there.
void add_font_folder_script_at_end(std::string& page_html, std::string_view name);

// Writes `bytes` as the file `name` of the font folder of `pages_folder`,
// making the folder first when it is not there; a refused write ends the run.
void write_into_font_folder(const std::string& pages_folder, std::string_view name,
                            std::string_view bytes);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FONT_FOLDER_H_
