// The script that fits each text fragment of a converted page to its width
// in the PDF, kept as a file of its own in the site's font folder; the page
// refers to it from its body, since its head is cut away.
#ifndef LEXIWEB_TYPESET_FIT_SCRIPT_H_
#define LEXIWEB_TYPESET_FIT_SCRIPT_H_

#include <string_view>

namespace lexiweb {

inline constexpr char kFitScriptFile[] = "fit.js";

// The script's text.
extern const std::string_view kFitScript;

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FIT_SCRIPT_H_
