// The browser's arithmetic, as Chromium does it: the leading face's ascent
// and descent at the class's size are each rounded to whole pixels, and
// half the leading (the line height less the two, rounded down) goes above
// the ascent. A class without a line height of pdftohtml's (which it gives
// to the classes of fragments of several lines, their line spacing) gets
// the ascent and descent, so that the leading is none.
#include "typeset/class_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "common/drawn_text.h"
#include "common/text.h"
#include "typeset/style_classes.h"

namespace lexiweb {
namespace {

std::string css_pixels(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  std::string_view kept(text);
  if (kept.ends_with(".0")) kept.remove_suffix(2);
  if (kept == "-0") kept = "0";
  return std::string(kept) + "px";
}

// The middle of the drops, in pixels.
double median_drop(std::vector<long> drops) {
  const auto middle = drops.begin() + drops.size() / 2;
  std::nth_element(drops.begin(), middle, drops.end());
  return static_cast<double>(*middle) / kDrawnUnitsPerPixel;
}

}  // namespace

void place_class_lines(std::string& page_html, const std::map<std::string, LineMetrics>& metrics,
                       const std::vector<FragmentBaseline>& baselines) {
  std::map<std::string, std::vector<long>> drops;
  for (const FragmentBaseline& baseline : baselines) {
    if (baseline.placed) drops[baseline.class_name].push_back(baseline.drop);
  }
  const std::vector<ClassRule> rules = class_rules(page_html);
  std::vector<std::string> bodies;
  bool changed = false;
  for (const ClassRule& rule : rules) {
    std::string body = page_html.substr(rule.body_start, rule.body_end - rule.body_start);
    const auto face = metrics.find(rule.name);
    const auto measured = drops.find(rule.name);
    const double size = numeric_value(declared_value(body, "font-size"));
    if (face == metrics.end() || measured == drops.end() || !(face->second.ascent > 0) ||
        !(size > 0)) {
      bodies.push_back(std::move(body));
      continue;
    }
    const double ascent = std::floor(face->second.ascent * size + 0.5);
    const double descent = std::floor(face->second.descent * size + 0.5);
    const std::string_view given = declared_value(body, "line-height");
    const double line_height = given.empty() ? ascent + descent : numeric_value(given);
    const double baseline = ascent + std::floor((line_height - ascent - descent) / 2);
    if (!body.empty() && body.back() != ';') body += ';';
    if (given.empty()) body += "line-height:" + css_pixels(line_height) + ";";
    body += "margin-top:" + css_pixels(median_drop(measured->second) - baseline) + ";";
    // Turned text turns about its first glyph's origin, which stays put.
    if (!declared_value(body, "transform").empty() ||
        !declared_value(body, "-webkit-transform").empty()) {
      body += "transform-origin:0 " + css_pixels(baseline) + ";";
    }
    bodies.push_back(std::move(body));
    changed = true;
  }
  if (changed) replace_rule_bodies(page_html, rules, bodies);
}

}  // namespace lexiweb
