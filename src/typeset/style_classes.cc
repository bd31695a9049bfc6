#include "typeset/style_classes.h"

#include "common/text.h"

namespace lexiweb {

std::vector<ClassRule> class_rules(std::string_view page_html) {
  std::vector<ClassRule> rules;
  const size_t style_start = page_html.find("<style");
  const size_t style_end =
      style_start == std::string_view::npos ? style_start : page_html.find("</style>", style_start);
  if (style_end == std::string_view::npos) return rules;
  for (size_t dot = page_html.find('.', style_start); dot < style_end;
       dot = page_html.find('.', dot + 1)) {
    // A rule starts a line, after its indentation, or follows another rule.
    const size_t before = page_html.find_last_not_of(" \t", dot - 1);
    if (before != std::string_view::npos && page_html[before] != '\n' && page_html[before] != '}') {
      continue;
    }
    const size_t brace = page_html.find('{', dot);
    const size_t close = brace == std::string_view::npos ? brace : page_html.find('}', brace);
    if (close >= style_end) break;
    const std::string_view name = page_html.substr(dot + 1, brace - dot - 1);
    if (name.empty() || name.find_first_of(" \t\n;:") != std::string_view::npos) continue;
    rules.push_back({std::string(name), brace + 1, close});
    dot = close;
  }
  return rules;
}

std::string_view declared_value(std::string_view body, std::string_view property) {
  while (!body.empty()) {
    const size_t end = body.find(';');
    const std::string_view declaration = body.substr(0, end);
    const size_t colon = declaration.find(':');
    if (colon != std::string_view::npos && trim_blanks(declaration.substr(0, colon)) == property) {
      return trim_blanks(declaration.substr(colon + 1));
    }
    if (end == std::string_view::npos) break;
    body.remove_prefix(end + 1);
  }
  return {};
}

void replace_rule_bodies(std::string& page_html, const std::vector<ClassRule>& rules,
                         const std::vector<std::string>& bodies) {
  for (size_t i = rules.size(); i-- > 0;) {
    page_html.replace(rules[i].body_start, rules[i].body_end - rules[i].body_start, bodies[i]);
  }
}

}  // namespace lexiweb
