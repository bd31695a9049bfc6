// The script that fits each text fragment of a converted page to its width
// in the PDF, kept as a file of its own in the site's font folder; the page
// refers to it from its body, since its head is cut away.
#ifndef LEXIWEB_TYPESET_FIT_SCRIPT_H_
#define LEXIWEB_TYPESET_FIT_SCRIPT_H_

#include <string_view>

namespace lexiweb {

inline constexpr char kFitScriptFile[] = "fit.js";

// The text of fit.js, embedded at build time. Widths in the PDF (data-w,
// pixels at the page's zoom, one per line of the fragment) are whole
// numbers, so a fragment within half a pixel is left alone. Justified lines
// got their width from stretched spaces, so spaces take up the difference
// where there are any, as far as they keep a third of their room; the
// glyphs of a fragment without spaces, or of one whose spaces would have to
// shrink further, are scaled along the line, after any turn of the class's
// own. A fragment of several lines cannot be scaled line by line: it is
// scaled as far as its tightest line needs, and each of its lines gets word
// or letter spacing of its own.
extern const std::string_view kFitScript;

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FIT_SCRIPT_H_
