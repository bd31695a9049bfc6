// pdftohtml writes a turn as a matrix under each browser's prefix,
// "-webkit-transform: matrix(a, b, c, d, 0, 0)", about "left 75%".
#include "typeset/turned_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string_view>

#include "common/text.h"
#include "typeset/style_classes.h"

namespace lexiweb {
namespace {

using Matrix = std::array<double, 4>;  // a, b, c, d as CSS's matrix() has them

// The matrix of a declared "matrix(a, b, c, d, e, f)"; false when it is none.
bool parse_matrix(std::string_view value, Matrix* matrix) {
  if (!value.starts_with("matrix(")) return false;
  value.remove_prefix(7);
  for (double& entry : *matrix) {
    value = trim_blanks(value);
    if (value.empty() || value.find_first_of("-+.0123456789") != 0) return false;
    entry = numeric_value(value);
    const size_t comma = value.find(',');
    if (comma == std::string_view::npos) return false;
    value.remove_prefix(comma + 1);
  }
  return true;
}

// `matrix` followed by a turn of `degrees` clockwise, as the page shows it.
Matrix turned(const Matrix& matrix, int degrees) {
  const double angle = degrees * std::numbers::pi / 180;
  const double cos = std::round(std::cos(angle));
  const double sin = std::round(std::sin(angle));
  const auto [a, b, c, d] = matrix;
  return {cos * a - sin * b, sin * a + cos * b, cos * c - sin * d, sin * c + cos * d};
}

bool upright_matrix(const Matrix& matrix) {
  constexpr double kSlack = 1e-3;
  return std::abs(matrix[1]) < kSlack && std::abs(matrix[2]) < kSlack && matrix[0] > 0 &&
         matrix[3] > 0;
}

std::string css_number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", std::abs(value) < 1e-9 ? 0.0 : value);
  return text;
}

// `body` without the declarations of transforms and their origins.
std::string without_transforms(std::string_view body) {
  std::string kept;
  while (!body.empty()) {
    const size_t end = body.find(';');
    const std::string_view declaration = body.substr(0, end);
    const std::string_view property = trim_blanks(declaration.substr(0, declaration.find(':')));
    if (!property.ends_with("transform") && !property.ends_with("transform-origin") &&
        !trim_blanks(declaration).empty()) {
      kept.append(declaration);
      kept += ';';
    }
    if (end == std::string_view::npos) break;
    body.remove_prefix(end + 1);
  }
  return kept;
}

}  // namespace

std::set<std::string> add_page_turn(std::string& page_html, int rotation,
                                    const std::set<std::string>& upright) {
  std::set<std::string> turned_classes;
  const std::vector<ClassRule> rules = class_rules(page_html);
  std::vector<std::string> bodies;
  bool changed = false;
  for (const ClassRule& rule : rules) {
    const std::string_view body =
        std::string_view(page_html).substr(rule.body_start, rule.body_end - rule.body_start);
    Matrix matrix = {1, 0, 0, 1};
    std::string_view value = declared_value(body, "transform");
    if (value.empty()) value = declared_value(body, "-webkit-transform");
    const bool turned_by_pdftohtml = parse_matrix(value, &matrix);
    const Matrix shown =
        upright.contains(rule.name) ? Matrix{1, 0, 0, 1} : turned(matrix, rotation);
    if ((!turned_by_pdftohtml && upright_matrix(shown)) ||
        (!upright.contains(rule.name) && rotation % 360 == 0)) {
      if (turned_by_pdftohtml) turned_classes.insert(rule.name);
      bodies.emplace_back(body);
      continue;
    }
    changed = true;
    std::string kept = without_transforms(body);
    if (!upright_matrix(shown)) {
      turned_classes.insert(rule.name);
      kept += "transform:matrix(" + css_number(shown[0]) + "," + css_number(shown[1]) + "," +
              css_number(shown[2]) + "," + css_number(shown[3]) +
              ",0,0);transform-origin:left 75%;";
    }
    bodies.push_back(std::move(kept));
  }
  if (changed) replace_rule_bodies(page_html, rules, bodies);
  return turned_classes;
}

}  // namespace lexiweb
