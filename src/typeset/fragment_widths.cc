// Both formats are read by their fixed forms: pdftohtml writes a text
// element as one line beginning "<text top=" and a fragment of a -c page as
// a p start tag beginning "<p style="position:absolute;top:".
#include "typeset/fragment_widths.h"

#include <string_view>

#include "common/text.h"

namespace lexiweb {
namespace {

constexpr std::string_view kPageStart = "<page number=\"";
constexpr std::string_view kPageEnd = "</page>";
constexpr std::string_view kTextStart = "<text ";
constexpr std::string_view kFragmentStart = "<p style=\"position:absolute;top:";
constexpr std::string_view kLineBreak = "<br/>";
constexpr std::string_view kFragmentEnd = "</p>";

// The whole number after `name="` in `tag`, or `fallback`.
long attribute_number(std::string_view tag, std::string_view name, long fallback) {
  const std::string key = " " + std::string(name) + "=\"";
  const size_t at = tag.find(key);
  if (at == std::string_view::npos) return fallback;
  std::string_view rest = tag.substr(at + key.size());
  const bool negative = rest.starts_with('-');
  if (negative) rest.remove_prefix(1);
  if (rest.empty() || rest[0] < '0' || rest[0] > '9') return fallback;
  const long value = whole_value(rest);
  return negative ? -value : value;
}

// The whole number that follows `key` in `text`, or -1 when none does.
long number_after(std::string_view text, std::string_view key) {
  const size_t at = text.find(key);
  if (at == std::string_view::npos) return -1;
  std::string_view rest = text.substr(at + key.size());
  const bool negative = rest.starts_with('-');
  if (negative) rest.remove_prefix(1);
  if (rest.empty() || rest[0] < '0' || rest[0] > '9') return -1;
  const long value = whole_value(rest);
  return negative ? -value : value;
}

}  // namespace

bool PageLineReader::next_line(std::string& line) {
  while (true) {
    if (in_.is_open() && std::getline(in_, line)) return true;
    in_.close();
    in_.clear();
    if (next_file_ == files_.size()) return false;
    in_.open(files_[next_file_++], std::ios::binary);
  }
}

std::vector<TextLine> PageLineReader::lines_of(int page) {
  std::vector<TextLine> lines;
  std::string line;
  // Find the page's start line, passing over earlier pages.
  while (true) {
    if (!pending_.empty()) {
      line = std::move(pending_);
      pending_.clear();
    } else if (!next_line(line)) {
      return lines;
    }
    if (!line.starts_with(kPageStart)) continue;
    const long number = attribute_number(line, "number", 0);
    if (number == page) break;
    if (number > page) {
      pending_ = std::move(line);
      return lines;
    }
  }
  while (next_line(line) && !line.starts_with(kPageEnd)) {
    if (line.starts_with(kPageStart)) {  // a page cut short
      pending_ = std::move(line);
      break;
    }
    if (!line.starts_with(kTextStart)) continue;
    lines.push_back({attribute_number(line, "top", 0), attribute_number(line, "left", 0),
                     attribute_number(line, "width", 0)});
  }
  return lines;
}

bool add_fragment_widths(std::string& page_html, const std::vector<TextLine>& lines) {
  std::string result;
  result.reserve(page_html.size() + lines.size() * 16);
  const std::string_view page(page_html);
  size_t next_line = 0;
  size_t copied = 0;
  for (size_t start = page.find(kFragmentStart); start != std::string_view::npos;
       start = page.find(kFragmentStart, start + 1)) {
    const size_t tag_end = page.find('>', start);
    const size_t end =
        tag_end == std::string_view::npos ? tag_end : page.find(kFragmentEnd, tag_end);
    if (end == std::string_view::npos) return false;
    const std::string_view tag = page.substr(start, tag_end - start);
    const std::string_view content = page.substr(tag_end + 1, end - tag_end - 1);
    size_t line_count = 1;
    for (size_t at = content.find(kLineBreak); at != std::string_view::npos;
         at = content.find(kLineBreak, at + 1)) {
      ++line_count;
    }
    if (next_line + line_count > lines.size() ||
        number_after(tag, "top:") != lines[next_line].top ||
        number_after(tag, "left:") != lines[next_line].left) {
      return false;
    }
    std::string widths;
    for (size_t i = 0; i < line_count; ++i) {
      if (i > 0) widths += ',';
      widths += std::to_string(lines[next_line + i].width);
    }
    next_line += line_count;
    result.append(page.substr(copied, tag_end - copied));
    result += " data-w=\"" + widths + "\"";
    copied = tag_end;
  }
  if (next_line != lines.size()) return false;
  result.append(page.substr(copied));
  page_html = std::move(result);
  return true;
}

}  // namespace lexiweb
