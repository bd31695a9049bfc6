// A walk over the tags: list starts and ends count the depth, and each link
// with a page target yields its text.
#include "convert/outline_headings.h"

#include "convert/converter_page.h"
#include "typeset/markup_text.h"

namespace lexiweb {
namespace {

// N of "page-N.html" or "page-N.html#...", 0 for any other target.
int target_page(std::string_view href) {
  href = href.substr(0, href.find('#'));
  const std::string prefix = std::string(kConverterPrefix) + "-";
  if (!href.starts_with(prefix) || !href.ends_with(".html")) return 0;
  const std::string_view digits = href.substr(prefix.size(), href.size() - prefix.size() - 5);
  if (digits.empty() || digits.size() > 9) return 0;
  int page = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    page = page * 10 + (c - '0');
  }
  return page;
}

}  // namespace

std::map<int, std::vector<OutlineHeading>> outline_headings(std::string_view outline_html) {
  std::map<int, std::vector<OutlineHeading>> headings;
  int lists = 0;
  for (size_t at = outline_html.find('<'); at != std::string_view::npos;
       at = outline_html.find('<', at + 1)) {
    const std::string_view rest = outline_html.substr(at);
    if (rest.starts_with("<ul")) {
      ++lists;
    } else if (rest.starts_with("</ul")) {
      --lists;
    } else if (rest.starts_with("<a href=\"")) {
      const size_t target_end = rest.find('"', 9);
      const size_t text_start = rest.find('>');
      const size_t text_end = rest.find("</a>");
      if (target_end == std::string_view::npos || text_start == std::string_view::npos ||
          text_end == std::string_view::npos || text_start > text_end) {
        continue;
      }
      const int page = target_page(rest.substr(9, target_end - 9));
      if (page > 0 && lists > 0) {
        headings[page].push_back(
            {text_of_markup(rest.substr(text_start + 1, text_end - text_start - 1)), lists - 1});
      }
      at += text_end;
    }
  }
  return headings;
}

}  // namespace lexiweb
