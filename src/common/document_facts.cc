#include "common/document_facts.h"

#include <charconv>

namespace lexiweb {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string one_line(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    line += byte < 0x20 || byte == 0x7f ? ' ' : c;
  }
  return line;
}

bool is_tag_byte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

// `line` without its CR, and whether it began with `key` and a blank
// (`rest` is what follows).
bool keyed(std::string_view line, std::string_view key, std::string_view* rest) {
  if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != ' ') return false;
  *rest = line.substr(key.size() + 1);
  return true;
}

}  // namespace

const std::string& DocumentFacts::language_of_page(long page) const {
  if (page >= 1 && static_cast<size_t>(page) <= page_languages.size() &&
      !page_languages[page - 1].empty()) {
    return page_languages[page - 1];
  }
  return language;
}

std::string clean_language_tag(std::string_view tag) {
  std::string clean;
  for (char c : tag) {
    if (is_tag_byte(c) && clean.size() < 35) clean += c;
  }
  return clean;
}

std::string format_document_facts(const DocumentFacts& facts) {
  std::string bytes = "title " + one_line(facts.title);
  bytes += kLineEnd;
  const std::string language = clean_language_tag(facts.language);
  if (!language.empty()) {
    bytes += "language " + language;
    bytes += kLineEnd;
  }
  for (size_t i = 0; i < facts.page_languages.size(); ++i) {
    const std::string page_language = clean_language_tag(facts.page_languages[i]);
    if (page_language.empty() || page_language == language) continue;
    bytes += "page " + std::to_string(i + 1) + " " + page_language;
    bytes += kLineEnd;
  }
  bytes += "end";
  bytes += kLineEnd;
  return bytes;
}

bool parse_document_facts(std::string_view bytes, DocumentFacts* facts) {
  *facts = DocumentFacts();
  bool ended = false;
  while (!bytes.empty() && !ended) {
    const size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return false;  // a cut last line
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);

    std::string_view rest;
    if (line == "end") {
      ended = true;
    } else if (keyed(line, "title", &rest)) {
      facts->title = rest;
    } else if (keyed(line, "language", &rest)) {
      facts->language = clean_language_tag(rest);
    } else if (keyed(line, "page", &rest)) {
      long page = 0;
      const auto [after, error] = std::from_chars(rest.data(), rest.data() + rest.size(), page);
      if (error != std::errc() || page < 1 || page > 10'000'000 ||
          after == rest.data() + rest.size() || *after != ' ') {
        return false;
      }
      if (facts->page_languages.size() < static_cast<size_t>(page)) {
        facts->page_languages.resize(page);
      }
      facts->page_languages[page - 1] = clean_language_tag(rest.substr(after + 1 - rest.data()));
    } else if (!line.empty() && line != "title") {
      return false;
    }
  }
  return ended;
}

}  // namespace lexiweb
