// The search field of the converted pages: one script element per page,
// referring to fonts/search.js, which builds a field for finding a word of
// the document, offers the words that begin with what was typed and opens
// the word index at the word's first occurrence. The field reads the word
// list that the site's stages write into words/ (driver/search_data.h);
// where that is missing, as beside the pages in htm_in, it does not show,
// and without scripts the page is as it was.
#ifndef LEXIWEB_CONVERT_SEARCH_FIELD_H_
#define LEXIWEB_CONVERT_SEARCH_FIELD_H_

#include <string>
#include <string_view>

namespace lexiweb {

inline constexpr char kSearchScriptFile[] = "search.js";

// Puts the element at the end of the body of `page_html`.
void add_search_field(std::string& page_html);

// Writes the script into the font folder of `folder`, where the pages are.
void write_search_script(const std::string& folder);

// The text of search.js, embedded at build time. The field sits in the
// window's bottom right corner, beside the navigation bar, and a spacer as
// high as the field ends the page, so that the page's last line can be
// scrolled clear of both. Its own texts stand in attributes and its list
// shows its words through generated content, so that no text node of it
// joins the page's text (the browser's own find, a copy of the page). The
// word list's form is that of driver/search_data.h.
extern const std::string_view kSearchScript;

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_SEARCH_FIELD_H_
