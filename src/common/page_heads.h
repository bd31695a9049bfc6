// What the heads of all the site's pages share: the annotated pages' head
// (annotate/page_head.h) and the head of the index and final pages
// (wordindex/page_head.h) both write these, and the pages' bodies open with
// the same way in.
#ifndef LEXIWEB_COMMON_PAGE_HEADS_H_
#define LEXIWEB_COMMON_PAGE_HEADS_H_

#include <string>
#include <string_view>

namespace lexiweb {

// Without it a phone lays the page out 980 px wide and takes a double tap
// for a zoom; with it the page is as wide as the screen and a double tap
// reaches the page's own handlers.
inline constexpr std::string_view kViewportLine =
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">";

// The separator of a page's title: "Title – page 12".
inline constexpr std::string_view kTitleSeparator = " \xE2\x80\x93 ";

// "<HTML lang="LANGUAGE">", or "<HTML>" when the language is not known.
std::string html_opening(std::string_view language);

// `text` with & < > " written as character references.
void append_escaped(std::string& out, std::string_view text);

// The title of one of the site's pages: the document's title (escaped),
// kTitleSeparator and `what` ("page 12", "contents"), which is HTML already.
std::string page_title(std::string_view document_title, std::string_view what);

// The first line of every page's body: a link to its main part, so that a
// keyboard reader passes the navigation in one key. Its text is an
// attribute, shown by the pages' style when it has the focus, so that it
// adds no word to the page's text (a find, a copy of the page).
inline constexpr std::string_view kSkipLink =
    "<a id=\"lexiweb-skip\" class=\"lexiweb-skip\" href=\"#lexiweb-main\" lang=\"en\" "
    "aria-label=\"Skip to the page\" data-text=\"Skip to the page\"></a>";

// The id the skip link leads to, on the page's main landmark.
inline constexpr std::string_view kMainId = "lexiweb-main";

// The style rules of the skip link and of the focus, which every page
// carries: the link shows only when it has the focus, and whatever has the
// focus shows a ring that neither a dark page nor a light one hides.
inline constexpr std::string_view kWayInStyle =
    ".lexiweb-skip{position:fixed;left:0;top:0;z-index:2147483647;padding:8px 12px;"
    "background:#fff;color:#00e;font:16px/1.5 sans-serif;transform:translateY(-120%)}"
    ".lexiweb-skip::before{content:attr(data-text)}"
    ".lexiweb-skip:focus{transform:none}"
    ":focus-visible{outline:3px solid #1a5fb4;outline-offset:2px;"
    "box-shadow:0 0 0 5px #fff}";

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_PAGE_HEADS_H_
