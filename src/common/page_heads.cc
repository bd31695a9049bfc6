#include "common/page_heads.h"

#include "common/document_facts.h"

namespace lexiweb {

std::string html_opening(std::string_view language) {
  const std::string tag = clean_language_tag(language);
  if (tag.empty()) return "<HTML>";
  return "<HTML lang=\"" + tag + "\">";
}

void append_escaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

std::string page_title(std::string_view document_title, std::string_view what) {
  std::string title;
  append_escaped(title, document_title);
  if (!title.empty()) title += kTitleSeparator;
  title += what;
  return title;
}

}  // namespace lexiweb
