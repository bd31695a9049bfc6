// pdftohtml sizes the div of a page and the img of its background with the
// same numbers, the page's size at the zoom, cut to whole pixels (the image
// itself is rounded up: 893 x 1263 pixels for a line saying 892 x 1262); so
// the img line takes them from the div line.
#include "convert/page_backgrounds.h"

#include <cstdio>
#include <string_view>

#include "platform/private_programs.h"

namespace lexiweb {
namespace {

// The digits at the start of `text`, moved past; empty when there are none.
std::string_view take_digits(std::string_view& text) {
  size_t length = 0;
  while (length < text.size() && text[length] >= '0' && text[length] <= '9') ++length;
  std::string_view digits = text.substr(0, length);
  text.remove_prefix(length);
  return digits;
}

bool take(std::string_view& text, std::string_view expected) {
  if (!text.starts_with(expected)) return false;
  text.remove_prefix(expected.size());
  return true;
}

}  // namespace

std::string background_renderer() { return private_program("lexiweb-render"); }

std::string background_image_file(int page) {
  char name[32];
  std::snprintf(name, sizeof name, "page%03d.png", page);
  return name;
}

bool add_background_line(std::string& page_html, int page) {
  const std::string div_start =
      "<div id=\"page" + std::to_string(page) + "-div\" style=\"position:relative;width:";
  const size_t div = page_html.find(div_start);
  if (div == std::string::npos) return false;
  std::string_view rest = std::string_view(page_html).substr(div + div_start.size());
  const std::string_view width = take_digits(rest);
  if (width.empty() || !take(rest, "px;height:")) return false;
  const std::string_view height = take_digits(rest);
  if (height.empty() || !take(rest, "px;\">\n")) return false;
  const size_t line_end = page_html.size() - rest.size();
  page_html.insert(line_end, "<img width=\"" + std::string(width) + "\" height=\"" +
                                 std::string(height) + "\" src=\"" + background_image_file(page) +
                                 "\" alt=\"background image\"/>\n");
  return true;
}

void describe_background(std::string& page_html, int page, bool scanned) {
  const std::string written =
      "src=\"" + background_image_file(page) + "\" alt=\"background image\"/>";
  const size_t at = page_html.find(written);
  if (at == std::string::npos) return;
  const std::string alt = scanned ? "scanned page " + std::to_string(page) : std::string();
  page_html.replace(at, written.size(),
                    "src=\"" + background_image_file(page) + "\" alt=\"" + alt + "\"/>");
}

}  // namespace lexiweb
