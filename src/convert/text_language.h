// The language a text is written in, as CLD2 (Google's Compact Language
// Detector 2) identifies it, for a PDF that does not name its language.
#ifndef LEXIWEB_CONVERT_TEXT_LANGUAGE_H_
#define LEXIWEB_CONVERT_TEXT_LANGUAGE_H_

#include <map>
#include <string>
#include <string_view>

namespace lexiweb {

// What CLD2 found in one text.
struct TextLanguage {
  std::string tag;  // BCP 47, "en", "zh-Hant"; empty when none was found
  long bytes = 0;   // bytes of letters CLD2 read
  bool reliable = false;
};

// The language of the UTF-8 text `text` (bytes that are not UTF-8 are
// left out first).
TextLanguage identify_language(std::string_view text);

// The text of an HTML page as a reader sees it: the bytes between its tags,
// with its character references read, without what style and script
// elements hold; appended to `text`.
void append_page_text(std::string_view page_html, std::string& text);

// Counts, page by page, how much text each language holds, so that the
// document's language is the one most of its text is in.
class LanguageTally {
 public:
  void add(const TextLanguage& page);
  // The language of most reliably identified bytes; where no page is long
  // enough for CLD2 to be sure (a title page, a short example), that of most
  // bytes all the same; empty when none.
  std::string leading() const;
  // The share (0 to 1) of the reliably identified bytes in `tag`.
  double share(const std::string& tag) const;

 private:
  std::map<std::string, long> bytes_;          // reliably identified
  std::map<std::string, long> guessed_bytes_;  // all identified
};

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_TEXT_LANGUAGE_H_
