// What the heads of all the site's pages share: the annotated pages' head
// (annotate/page_head.h) and the head of the index and final pages
// (wordindex/page_head.h) both write these.
#ifndef LEXIWEB_COMMON_PAGE_HEADS_H_
#define LEXIWEB_COMMON_PAGE_HEADS_H_

#include <string_view>

namespace lexiweb {

// Without it a phone lays the page out 980 px wide and takes a double tap
// for a zoom; with it the page is as wide as the screen and a double tap
// reaches the page's own handlers.
inline constexpr std::string_view kViewportLine =
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">";

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_PAGE_HEADS_H_
