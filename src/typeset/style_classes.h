// The class rules of a converted page's style element: pdftohtml writes
// one a line, ".ftNN{PROPERTY:VALUE;...}", for each font, size and colour
// its fragments are set in.
#ifndef LEXIWEB_TYPESET_STYLE_CLASSES_H_
#define LEXIWEB_TYPESET_STYLE_CLASSES_H_

#include <string>
#include <string_view>
#include <vector>

namespace lexiweb {

struct ClassRule {
  std::string name;       // without the dot
  size_t body_start = 0;  // in the page, after the "{"
  size_t body_end = 0;    // at the "}"
};

// The class rules of the style element of `page_html`, in order.
std::vector<ClassRule> class_rules(std::string_view page_html);

// The value of the declaration of `property` in a rule's `body`, blanks
// trimmed; empty when it has none. "transform" is not "-webkit-transform".
std::string_view declared_value(std::string_view body, std::string_view property);

// Writes the new bodies of `rules` (as many as there are rules, in the same
// order) into `page_html`.
void replace_rule_bodies(std::string& page_html, const std::vector<ClassRule>& rules,
                         const std::vector<std::string>& bodies);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_STYLE_CLASSES_H_
