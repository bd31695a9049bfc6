#include "driver/document_outline.h"

#include "common/identifiers.h"
#include "convert/converter_page.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

// The page number of the link target that begins `rest`, in the converter's
// form page-N.html and closed by the attribute's quote, with the length of
// that target; 0 when `rest` does not begin with such a target. Leading
// zeros are not the converter's form, so they are no page either.
int converter_page_target(std::string_view rest, size_t* length) {
  const std::string prefix = std::string(kConverterPrefix) + "-";
  constexpr std::string_view kEnding = ".html\"";
  if (!rest.starts_with(prefix)) return 0;
  size_t end = prefix.size();
  long page = 0;
  while (end < rest.size() && rest[end] >= '0' && rest[end] <= '9' && page < 1'000'000'000) {
    if (page == 0 && rest[end] == '0') return 0;
    page = page * 10 + (rest[end] - '0');
    ++end;
  }
  if (page == 0 || !rest.substr(end).starts_with(kEnding)) return 0;
  *length = end + kEnding.size() - 1;  // the closing quote stays
  return static_cast<int>(page);
}

}  // namespace

std::string outline_line_with_site_links(std::string_view line, int page_count) {
  constexpr std::string_view kHref = "href=\"";
  std::string result;
  result.reserve(line.size());
  size_t copied = 0;
  for (size_t at = line.find(kHref); at != std::string_view::npos; at = line.find(kHref, at + 1)) {
    const size_t target = at + kHref.size();
    size_t length = 0;
    const int page = converter_page_target(line.substr(target), &length);
    if (page < 1 || page > page_count) continue;
    result.append(line.substr(copied, target - copied));
    result += output_page_stem(page);
    result += ".htm";
    copied = target + length;
  }
  result.append(line.substr(copied));
  return result;
}

void write_document_outline(RecordWriter& out, int page_count) {
  RecordReader outline;
  if (!outline.open(kOutlineFile)) return;
  std::string_view line;
  bool after_heading = false;
  while (outline.read_line(&line)) {
    if (!after_heading) {
      after_heading = line.find("<h1>") != std::string_view::npos;
      continue;
    }
    if (line.starts_with("</body>")) break;
    out.write_line(outline_line_with_site_links(line, page_count));
  }
}

}  // namespace lexiweb
