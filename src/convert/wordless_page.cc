// pdftohtml sizes a page's div by the page's media box, turned by the
// page's rotation, at 72 * zoom dots per inch, cut to whole pixels.
// pdfinfo -box prints the boxes with two decimals and the crop box's size
// with six digits; the size line is taken when the crop box is the media
// box, so that a page whose size falls just short of a whole pixel keeps
// the pixel count pdftohtml gives it.
#include "convert/wordless_page.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "shell/process_pool.h"
#include "shell/run_shell.h"

namespace lexiweb {
namespace {

// pdftohtml keeps its zoom within these bounds.
constexpr double kSmallestZoom = 0.5;
constexpr double kLargestZoom = 3;

// What pdfinfo tells of one page, in points.
struct PageBoxes {
  double size_width = 0;  // of the crop box, from the size line
  double size_height = 0;
  std::string_view media_box;
  std::string_view crop_box;
  int rotation = 0;
};

void skip_blanks(std::string_view& text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
}

// The number at the start of `text` (blanks skipped), moved past; 0 when none.
double take_number(std::string_view& text) {
  skip_blanks(text);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc()) return 0;
  text.remove_prefix(end - text.data());
  return value;
}

bool take(std::string_view& text, std::string_view expected) {
  skip_blanks(text);
  if (!text.starts_with(expected)) return false;
  text.remove_prefix(expected.size());
  return true;
}

// Width and height of a box line's "x1 y1 x2 y2".
std::pair<double, double> box_size(std::string_view box) {
  const double x1 = take_number(box);
  const double y1 = take_number(box);
  const double x2 = take_number(box);
  const double y2 = take_number(box);
  return {std::max(x2 - x1, x1 - x2), std::max(y2 - y1, y1 - y2)};
}

// The page's size at `zoom`; nothing when pdfinfo could not read it.
std::optional<PagePixels> pixels_of(const PageBoxes& boxes, double zoom) {
  if (boxes.media_box.empty()) return std::nullopt;
  auto [width, height] = box_size(boxes.media_box);
  if (boxes.crop_box == boxes.media_box) {
    width = boxes.size_width;
    height = boxes.size_height;
  }
  if (boxes.rotation % 180 != 0) std::swap(width, height);
  const double scale = 72 * zoom / 72;
  return PagePixels{static_cast<int>(scale * width), static_cast<int>(scale * height), true};
}

}  // namespace

std::string wordless_page(int page, PagePixels size) {
  const std::string number = std::to_string(page);
  return "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"\" xml:lang=\"\">\n"
         "<head>\n<title>Page " +
         number +
         "</title>\n\n"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"/>\n"
         "<style type=\"text/css\">\n<!--\n\tp {margin: 0; padding: 0;}-->\n</style>\n</head>\n"
         "<body bgcolor=\"#A0A0A0\" vlink=\"blue\" link=\"blue\">\n"
         "<div id=\"page" +
         number + "-div\" style=\"position:relative;width:" + std::to_string(size.width) +
         "px;height:" + std::to_string(size.height) + "px;\">\n</div>\n</body>\n</html>\n";
}

std::vector<PagePixels> page_sizes(const std::string& pdf_file, int last, std::string_view zoom) {
  std::vector<PageBoxes> pages(std::max(last, 0));
  std::string report;
  run_for_output({"pdfinfo", "-f", "1", "-l", std::to_string(last), "-box", as_operand(pdf_file)},
                 &report);
  std::string_view rest(report);
  while (!rest.empty()) {
    std::string_view line = rest.substr(0, rest.find('\n'));
    rest.remove_prefix(std::min(rest.size(), line.size() + 1));
    if (!take(line, "Page")) continue;
    const double page = take_number(line);
    if (page < 1 || page > last) continue;
    PageBoxes& boxes = pages[static_cast<int>(page) - 1];
    if (take(line, "size:")) {
      boxes.size_width = take_number(line);
      if (take(line, "x")) boxes.size_height = take_number(line);
    } else if (take(line, "rot:")) {
      boxes.rotation = static_cast<int>(take_number(line));
    } else if (take(line, "MediaBox:")) {
      skip_blanks(line);
      boxes.media_box = line;
    } else if (take(line, "CropBox:")) {
      skip_blanks(line);
      boxes.crop_box = line;
    }
  }
  double zoom_value = 0;
  std::from_chars(zoom.data(), zoom.data() + zoom.size(), zoom_value);
  zoom_value = std::clamp(zoom_value, kSmallestZoom, kLargestZoom);
  constexpr PageBoxes kLetter = {612, 792, "0 0 612 792", "0 0 612 792", 0};
  PagePixels nearest = *pixels_of(kLetter, zoom_value);
  nearest.read = false;
  std::vector<PagePixels> sizes;
  sizes.reserve(pages.size());
  for (const PageBoxes& boxes : pages) {
    const std::optional<PagePixels> size = pixels_of(boxes, zoom_value);
    if (size) nearest = PagePixels{size->width, size->height, false};
    sizes.push_back(size.value_or(nearest));
  }
  return sizes;
}

}  // namespace lexiweb
