// A recognised line is set a little smaller than its box is high, so that
// its words' marks stay within the line; the script of the page then
// stretches each word over the width of its picture and sets it on the
// line's baseline.
#include "convert/recognised_lines.h"

#include <algorithm>
#include <cstdio>

#include "common/text.h"
#include "common/utf8.h"
#include "convert/recognition_script.h"
#include "typeset/font_folder.h"

namespace lexiweb {
namespace {

// The words stay unseen over their pictures even where the page's highlight
// colours the occurrence it was opened at: the mark of fonts/ocr.js shows
// that occurrence and the word's others alike.
constexpr std::string_view kStyleRules =
    "\t.lexiweb-ocr{font-family:sans-serif;color:transparent;}\n"
    "\t.lexiweb-ocr span{color:transparent !important;}\n";

long median_confidence(std::vector<long> confidences) {
  if (confidences.empty()) return 0;
  const auto middle = confidences.begin() + confidences.size() / 2;
  std::nth_element(confidences.begin(), middle, confidences.end());
  return *middle;
}

// The number of characters of `text`.
size_t characters_of(std::string_view text) {
  size_t count = 0;
  while (!text.empty()) {
    take_utf8(text);
    ++count;
  }
  return count;
}

std::string pixels(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

void append_escaped(std::string& out, std::string_view text) {
  for (char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
}

std::string fragment_of(const PlacedLine& line) {
  const double height = std::max(1.0, line.bottom - line.top);
  std::string fragment =
      "<p style=\"position:absolute;left:" + pixels(line.left) + "px;top:" + pixels(line.top) +
      "px;white-space:nowrap;font-size:" + pixels(0.8 * height) +
      "px;line-height:" + pixels(height) + "px\" class=\"lexiweb-ocr\" data-b=\"" +
      pixels(std::clamp(line.base - line.top, 0.0, height)) + "\">";
  for (size_t i = 0; i < line.words.size(); ++i) {
    const PlacedWord& word = line.words[i];
    if (i > 0) fragment += ' ';
    fragment += "<span data-x=\"" + pixels(word.left - line.left) + "\" data-w=\"" +
                pixels(std::max(0.0, word.right - word.left)) + "\">";
    append_escaped(fragment, word.text);
    fragment += "</span>";
  }
  return fragment + "</p>\n";
}

}  // namespace

std::vector<PlacedLine> recognised_lines(const RecognizedPage& page, double page_width) {
  std::vector<PlacedLine> placed;
  if (page.width <= 0) return placed;
  const double scale = page_width / static_cast<double>(page.width);
  std::vector<long> page_confidences;
  for (const RecognizedLine& line : page.lines) {
    for (const RecognizedWord& word : line.words) page_confidences.push_back(word.confidence);
  }
  if (median_confidence(page_confidences) < kLeastPageConfidence) return placed;
  for (size_t block = 0; block < page.lines.size();) {
    size_t end = block + 1;
    while (end < page.lines.size() && !page.lines[end].starts_block) ++end;
    std::vector<long> confidences;
    for (size_t i = block; i < end; ++i) {
      for (const RecognizedWord& word : page.lines[i].words) confidences.push_back(word.confidence);
    }
    if (median_confidence(confidences) >= kLeastBlockConfidence) {
      for (size_t i = block; i < end; ++i) {
        const RecognizedLine& line = page.lines[i];
        PlacedLine out{line.box.left * scale,
                       line.box.top * scale,
                       line.box.right * scale,
                       line.box.bottom * scale,
                       {},
                       line.baseline * scale};
        for (const RecognizedWord& word : line.words) {
          if (trim_blanks(word.text).empty()) continue;
          out.words.push_back(
              {word.box.left * scale, word.box.right * scale, std::string(trim_blanks(word.text))});
        }
        if (!out.words.empty()) placed.push_back(std::move(out));
      }
    }
    block = end;
  }
  return placed;
}

std::vector<PlacedLine> invisible_lines(const std::vector<DrawnRun>& runs) {
  std::vector<PlacedLine> lines;
  double base = 0;
  for (const DrawnRun& run : runs) {
    if (run.visible) continue;
    const double unit = kDrawnUnitsPerPixel;
    const double left = run.left / unit;
    const double right = run.right / unit;
    const double top = run.top / unit;
    const double run_base = run.base / unit;
    const double height = std::max(1.0, run_base - top);
    if (lines.empty() || std::abs(run_base - base) > 0.3 * height ||
        left < lines.back().right - 0.5 * height) {
      lines.push_back({left, top, right, run_base + 0.25 * height, {}, run_base});
    }
    // Run to run, so that a line drawn askew stays one line.
    base = run_base;
    PlacedLine& line = lines.back();
    line.left = std::min(line.left, left);
    line.top = std::min(line.top, top);
    line.right = std::max(line.right, right);
    line.bottom = std::max(line.bottom, run_base + 0.25 * height);
    // A run of several words is shared among them by their characters. The
    // blanks at its ends take no room of their own: a scanner's software
    // stretches each word and the blank after it over the word's picture.
    const std::string_view text = trim_blanks(run.text);
    const double per_character = (right - left) / std::max<size_t>(1, characters_of(text));
    size_t at = 0;
    size_t before = 0;  // characters before `at`
    while (at < text.size()) {
      const size_t start = text.find_first_not_of(' ', at);
      if (start == std::string_view::npos) break;
      before += characters_of(text.substr(at, start - at));
      size_t end = text.find(' ', start);
      if (end == std::string_view::npos) end = text.size();
      const size_t length = characters_of(text.substr(start, end - start));
      line.words.push_back({left + before * per_character, left + (before + length) * per_character,
                            std::string(text.substr(start, end - start))});
      before += length;
      at = end;
    }
  }
  std::erase_if(lines, [](const PlacedLine& line) { return line.words.empty(); });
  return lines;
}

double page_width_of(std::string_view page_html) {
  constexpr std::string_view kWidth = "-div\" style=\"position:relative;width:";
  const size_t at = page_html.find(kWidth);
  return at == std::string_view::npos ? 0 : numeric_value(page_html.substr(at + kWidth.size()));
}

void add_recognised_lines(std::string& page_html, const std::vector<PlacedLine>& lines) {
  if (lines.empty()) return;
  std::string fragments;
  for (const PlacedLine& line : lines) fragments += fragment_of(line);
  size_t at = page_html.rfind("</div>");
  if (at == std::string::npos) at = page_html.rfind("</body>");
  if (at == std::string::npos) at = page_html.size();
  page_html.insert(at, fragments);

  // The class's rules close the style element, the script follows it.
  const size_t style_end = page_html.find("</style>");
  if (style_end == std::string::npos) {
    const size_t body = page_html.find("<body");
    const size_t body_end = body == std::string::npos ? 0 : page_html.find('>', body) + 1;
    page_html.insert(body_end, "\n<style type=\"text/css\">\n<!--\n" + std::string(kStyleRules) +
                                   "-->\n</style>\n" + font_folder_script(kRecognitionScriptFile));
    return;
  }
  size_t after = style_end + 8;
  if (after < page_html.size() && page_html[after] == '\n') ++after;
  page_html.insert(after, font_folder_script(kRecognitionScriptFile));
  const size_t comment_end = page_html.rfind("-->", style_end);
  const size_t style_start = page_html.rfind("<style", style_end);
  const size_t rules_at =
      comment_end != std::string::npos && comment_end > style_start ? comment_end : style_end;
  page_html.insert(rules_at, kStyleRules);
}

}  // namespace lexiweb
