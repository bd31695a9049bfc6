#include "convert/text_language.h"

#include <cld2/public/compact_lang_det.h>

#include <climits>

#include "common/html_references.h"
#include "common/utf8.h"

namespace lexiweb {

namespace {

// CLD2 names a few languages by the codes ISO 639 has since replaced.
std::string bcp47_tag(CLD2::Language language) {
  if (language == CLD2::UNKNOWN_LANGUAGE || language == CLD2::TG_UNKNOWN_LANGUAGE) return {};
  const std::string code = CLD2::LanguageCode(language);
  if (code == "un" || code == "xxx" || code.empty()) return {};
  if (code == "iw") return "he";
  if (code == "in") return "id";
  if (code == "jw") return "jv";
  if (code == "mo") return "ro";
  return code;
}

// Whether `html` at `at` begins with `name` followed by the end of a tag
// name, letter case aside.
bool names_element(std::string_view html, size_t at, std::string_view name) {
  if (html.size() - at <= name.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    char c = html[at + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != name[i]) return false;
  }
  const char after = html[at + name.size()];
  return after == '>' || after == ' ' || after == '\t' || after == '\r' || after == '\n';
}

// The place just after the closing tag of the element `name` whose contents
// begin at `at`, or the end of `html`.
size_t after_closing(std::string_view html, size_t at, std::string_view name) {
  for (size_t closing = html.find("</", at); closing != std::string_view::npos;
       closing = html.find("</", closing + 2)) {
    if (!names_element(html, closing + 2, name)) continue;
    const size_t end = html.find('>', closing);
    return end == std::string_view::npos ? html.size() : end + 1;
  }
  return html.size();
}

// `text` with every byte that begins no well-formed UTF-8 character left out.
std::string well_formed_utf8(std::string_view text) {
  std::string clean;
  clean.reserve(text.size());
  while (!text.empty()) {
    const std::string_view rest = text;
    if (take_utf8(text) == kReplacementCharacter && !rest.starts_with("\xEF\xBF\xBD")) {
      continue;
    }
    clean.append(rest.data(), rest.size() - text.size());
  }
  return clean;
}

}  // namespace

void append_page_text(std::string_view page_html, std::string& text) {
  size_t at = 0;
  while (at < page_html.size()) {
    const size_t tag = page_html.find('<', at);
    if (tag == std::string_view::npos) {
      append_decoded(text, page_html.substr(at));
      break;
    }
    append_decoded(text, page_html.substr(at, tag - at));
    text += ' ';
    if (names_element(page_html, tag + 1, "style")) {
      at = after_closing(page_html, tag + 1, "style");
    } else if (names_element(page_html, tag + 1, "script")) {
      at = after_closing(page_html, tag + 1, "script");
    } else {
      const size_t end = page_html.find('>', tag);
      at = end == std::string_view::npos ? page_html.size() : end + 1;
    }
  }
}

TextLanguage identify_language(std::string_view text) {
  std::string valid = well_formed_utf8(text);
  if (valid.size() > INT_MAX) valid.resize(INT_MAX);
  CLD2::Language found[3];
  int percent[3];
  int text_bytes = 0;
  bool reliable = false;
  const CLD2::Language language = CLD2::DetectLanguageSummary(
      valid.data(), static_cast<int>(valid.size()), true, found, percent, &text_bytes, &reliable);
  // CLD2 answers English for a text it finds nothing in (its summary then
  // holds no language). Otherwise its answer is the language of a mixed
  // text that is no mere English boilerplate, which its summary's first
  // need not be; its share of the text is the summary's.
  TextLanguage result;
  if (percent[0] <= 0) return result;
  int share = 0;
  for (int i = 0; i < 3; ++i) {
    if (found[i] == language) share = percent[i];
  }
  result.tag = bcp47_tag(language);
  result.bytes = result.tag.empty() ? 0 : static_cast<long>(text_bytes) * share / 100;
  result.reliable = reliable && result.bytes > 0;
  return result;
}

namespace {

std::string most_bytes(const std::map<std::string, long>& bytes_of) {
  std::string tag;
  long most = 0;
  for (const auto& [language, bytes] : bytes_of) {
    if (bytes > most) {
      most = bytes;
      tag = language;
    }
  }
  return tag;
}

}  // namespace

void LanguageTally::add(const TextLanguage& page) {
  if (page.tag.empty()) return;
  if (page.reliable) bytes_[page.tag] += page.bytes;
  guessed_bytes_[page.tag] += page.bytes;
}

std::string LanguageTally::leading() const {
  const std::string tag = most_bytes(bytes_);
  return tag.empty() ? most_bytes(guessed_bytes_) : tag;
}

double LanguageTally::share(const std::string& tag) const {
  long all = 0;
  for (const auto& [language, bytes] : bytes_) all += bytes;
  const auto found = bytes_.find(tag);
  return all == 0 || found == bytes_.end() ? 0 : static_cast<double>(found->second) / all;
}

}  // namespace lexiweb
