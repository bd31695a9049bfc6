// What the site's pages say about the document as a whole: its title and
// its language, and the language of each page where the pages differ.
//
// The converter learns them (the PDF's Title and /Lang through the
// background renderer, else the first heading of its outline and the file
// name, and the language of the text) and writes them into htm_in beside
// the pages and outline.htm, as kDocumentFactsFile; lexiweb-pages reads them
// from there, as a lexiweb run does, and gives them to the stages as run
// values, so that a site rebuilt from corrected pages keeps them. Every line
// ends with CR LF:
//   "title TEXT"          the document's title, UTF-8, on one line
//   "language TAG"        its language, a BCP 47 tag ("en", "zh-Hant");
//                         the line is left out when it is not known
//   "page N TAG"          page N's language where it is not the document's
//   "end"                 the file is complete
#ifndef LEXIWEB_COMMON_DOCUMENT_FACTS_H_
#define LEXIWEB_COMMON_DOCUMENT_FACTS_H_

#include <string>
#include <string_view>
#include <vector>

namespace lexiweb {

// The file in htm_in; it stays there after the run, like outline.htm.
inline constexpr char kDocumentFactsFile[] = "document-facts.txt";

struct DocumentFacts {
  std::string title;
  std::string language;  // empty when not known
  // Entry page - 1 for page `page`; an empty entry (or none) is the
  // document's language.
  std::vector<std::string> page_languages;

  // The language page `page` (from 1) is in; empty when not known.
  const std::string& language_of_page(long page) const;

  bool operator==(const DocumentFacts&) const = default;
};

// The whole file. Line breaks and control characters of the title become
// blanks; a language tag keeps only letters, digits and "-".
std::string format_document_facts(const DocumentFacts& facts);

// Reads a whole file back; false when `bytes` are no such file or an
// incomplete one (no "end" line).
bool parse_document_facts(std::string_view bytes, DocumentFacts* facts);

// `tag` with every byte but ASCII letters, digits and "-" left out, at most
// 35 bytes (BCP 47's longest useful tag): safe in an attribute.
std::string clean_language_tag(std::string_view tag);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_DOCUMENT_FACTS_H_
