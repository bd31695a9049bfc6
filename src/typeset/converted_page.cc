// The body is searched once for the fragments' start tags; the page is
// written by copying the body between the fragments and the stretches
// rewritten, and each fragment with its changes.
#include "typeset/converted_page.h"

#include <algorithm>

namespace lexiweb {
namespace {

constexpr std::string_view kFragmentStart = "<p ";
constexpr std::string_view kFragmentEnd = "</p>";
constexpr std::string_view kPlacedByTop = "<p style=\"position:absolute;top:";
constexpr std::string_view kClassKey = "class=\"";
constexpr std::string_view kStyleEnd = "</style>";

// Appends the body from `from` to `to`, the fragments within with their changes.
void append_body(const ConvertedPage& page, size_t from, size_t to, std::string& out) {
  const auto first =
      std::lower_bound(page.fragments.begin(), page.fragments.end(), from,
                       [](const PageFragment& fragment, size_t at) { return fragment.begin < at; });
  size_t copied = from;
  for (auto fragment = first; fragment != page.fragments.end() && fragment->end <= to; ++fragment) {
    out.append(page.body, copied, fragment->begin - copied);
    append_fragment(page, *fragment, {}, out);
    copied = fragment->end;
  }
  out.append(page.body, copied, to - copied);
}

}  // namespace

ConvertedPage read_converted_page(std::string html) {
  ConvertedPage page;
  size_t body_start = html.find(kStyleEnd);
  if (body_start == std::string::npos) {
    body_start = 0;
  } else {
    body_start += kStyleEnd.size();
    if (body_start < html.size() && html[body_start] == '\n') ++body_start;
  }
  page.head = html.substr(0, body_start);
  html.erase(0, body_start);
  page.body = std::move(html);
  const std::string_view body(page.body);
  for (size_t at = body.find(kFragmentStart); at != std::string_view::npos;
       at = body.find(kFragmentStart, at + 1)) {
    const size_t tag_end = body.find('>', at);
    const size_t content_end =
        tag_end == std::string_view::npos ? tag_end : body.find(kFragmentEnd, tag_end);
    if (content_end == std::string_view::npos) break;
    PageFragment fragment;
    fragment.begin = at;
    fragment.tag_end = tag_end;
    fragment.content_end = content_end;
    fragment.end = content_end + kFragmentEnd.size();
    const std::string_view tag = body.substr(at, tag_end - at);
    fragment.placed_by_top = tag.starts_with(kPlacedByTop);
    if (const size_t name_at = tag.find(kClassKey); name_at != std::string_view::npos) {
      const std::string_view name = tag.substr(name_at + kClassKey.size());
      fragment.class_name = std::string(name.substr(0, name.find('"')));
    }
    page.fragments.push_back(std::move(fragment));
  }
  return page;
}

std::string_view start_tag(const ConvertedPage& page, const PageFragment& fragment) {
  return std::string_view(page.body).substr(fragment.begin, fragment.tag_end - fragment.begin);
}

std::string_view content_of(const ConvertedPage& page, const PageFragment& fragment) {
  if (fragment.rewritten) return fragment.content;
  return std::string_view(page.body).substr(fragment.tag_end + 1,
                                            fragment.content_end - fragment.tag_end - 1);
}

void append_fragment(const ConvertedPage& page, const PageFragment& fragment,
                     std::string_view follows, std::string& out) {
  out.append(page.body, fragment.begin, 2);
  if (!follows.empty()) {
    out += " data-f=\"";
    out += follows;
    out += '"';
  }
  out.append(page.body, fragment.begin + 2, fragment.tag_end - fragment.begin - 2);
  if (!fragment.widths.empty()) {
    out += " data-w=\"";
    out += fragment.widths;
    out += '"';
  }
  out += '>';
  out += content_of(page, fragment);
  out += kFragmentEnd;
}

std::string written_page(const ConvertedPage& page) {
  std::vector<const ConvertedPage::Rewrite*> rewrites;
  for (const ConvertedPage::Rewrite& rewrite : page.rewrites) rewrites.push_back(&rewrite);
  std::stable_sort(rewrites.begin(), rewrites.end(),
                   [](const auto* a, const auto* b) { return a->from < b->from; });
  std::string out;
  out.reserve(page.head.size() + page.body.size() + page.body.size() / 8);
  out += page.head;
  size_t written = 0;
  for (const ConvertedPage::Rewrite* rewrite : rewrites) {
    append_body(page, written, rewrite->from, out);
    out += rewrite->text;
    written = rewrite->to;
  }
  append_body(page, written, page.body.size(), out);
  return out;
}

}  // namespace lexiweb
