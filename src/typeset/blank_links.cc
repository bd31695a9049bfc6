// A link is its start tag, its text and "</a>"; links do not nest.
#include "typeset/blank_links.h"

#include "typeset/markup_text.h"

namespace lexiweb {
namespace {

constexpr std::string_view kLinkStart = "<a ";
constexpr std::string_view kLinkEnd = "</a>";

}  // namespace

bool without_blank_links(std::string_view content, std::string& out) {
  size_t start = content.find(kLinkStart);
  if (start == std::string_view::npos) return false;
  std::string written;
  size_t copied = 0;
  bool changed = false;
  for (; start != std::string_view::npos; start = content.find(kLinkStart, start + 1)) {
    const size_t tag_end = content.find('>', start);
    if (tag_end == std::string_view::npos) break;
    const size_t end = content.find(kLinkEnd, tag_end);
    if (end == std::string_view::npos) break;
    const std::string_view text = content.substr(tag_end + 1, end - tag_end - 1);
    if (text.find('<') != std::string_view::npos || !without_blanks(text_of_markup(text)).empty())
      continue;
    written.append(content, copied, start - copied);
    written.append(text);
    copied = end + kLinkEnd.size();
    changed = true;
  }
  if (!changed) return false;
  written.append(content, copied);
  out = std::move(written);
  return true;
}

void unlink_blank_links(ConvertedPage& page) {
  std::string content;
  for (PageFragment& fragment : page.fragments) {
    if (!without_blank_links(content_of(page, fragment), content)) continue;
    fragment.content = std::move(content);
    fragment.rewritten = true;
  }
}

}  // namespace lexiweb
