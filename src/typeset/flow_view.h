// The flowing view of the converted pages: a style sheet and a script of
// the font folder that each structured page names (page_structure.h). On a
// window narrower than the page, or when the reader asks for it with the
// page's control (remembered in the browser's local storage), the script
// marks the document, and the style lets the page's blocks flow in reading
// order at a readable size; otherwise the page stays the facsimile.
#ifndef LEXIWEB_TYPESET_FLOW_VIEW_H_
#define LEXIWEB_TYPESET_FLOW_VIEW_H_

#include <string>
#include <string_view>

namespace lexiweb {

inline constexpr char kFlowStyleFile[] = "flow.css";
inline constexpr char kFlowScriptFile[] = "flow.js";

// The texts of flow.css and flow.js, embedded at build time.
extern const std::string_view kFlowStyle;
extern const std::string_view kFlowScript;

// Writes both into the font folder of `folder`, where the pages are.
void write_flow_view(const std::string& folder);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FLOW_VIEW_H_
