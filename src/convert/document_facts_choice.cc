#include "convert/document_facts_choice.h"

#include <array>

#include "common/html_references.h"
#include "convert/text_language.h"
#include "shell/file_ops.h"

namespace lexiweb {

namespace {

// Below this many bytes of letters a page's language is a guess.
constexpr long kPageLanguageBytes = 200;

// How much of the document's text is read as a whole where no page names
// its language.
constexpr size_t kOpeningBytes = 64 * 1024;

// The share of the reliably identified text that must be in another
// language than the PDF's /Lang names for that language to give way.
constexpr double kOverruledShare = 0.8;

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view text) {
  std::string low;
  for (char c : text) low += lower(c);
  return low;
}

// Blanks, tabs and line ends collapsed to one blank, none at either end.
std::string collapsed(std::string_view text) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    const bool is_blank = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
    if (is_blank) {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

std::string_view file_name_of(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string without_pdf_ending(std::string_view name) {
  if (name.size() > 4 && lowered(name.substr(name.size() - 4)) == ".pdf") {
    name.remove_suffix(4);
  }
  return std::string(name);
}

// The primary language subtag: "en" of "en-US".
std::string primary(std::string_view tag) { return lowered(tag.substr(0, tag.find('-'))); }

// Looks like a language tag: two or three letters first ("x-none" and the
// like name none).
bool is_language_tag(std::string_view tag) {
  const std::string first = primary(tag);
  if (first.size() < 2 || first.size() > 3) return false;
  for (char c : first) {
    if (c < 'a' || c > 'z') return false;
  }
  return first != "und" && first != "zxx";
}

}  // namespace

bool is_real_title(std::string_view title, std::string_view pdf_file) {
  const std::string low = lowered(collapsed(title));
  bool has_letter = false;
  for (char c : low) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || static_cast<unsigned char>(c) >= 0x80) {
      has_letter = true;
    }
  }
  if (!has_letter) return false;
  constexpr std::array<std::string_view, 7> kPlaceholders = {
      "untitled", "untitled document", "no title", "title", "document", "unknown", "none"};
  for (std::string_view placeholder : kPlaceholders) {
    if (low == placeholder) return false;
  }
  if (low.starts_with("untitled-") || low.starts_with("microsoft ") ||
      low.starts_with("powerpoint presentation")) {
    return false;
  }
  const std::string name = lowered(file_name_of(pdf_file));
  if (low == name || low == lowered(without_pdf_ending(name))) return false;
  // A source file's name: "report.doc", "C:\\work\\paper.tex", "slides.dvi".
  const size_t dot = low.find_last_of('.');
  if (dot != std::string::npos && low.find(' ') == std::string::npos) {
    constexpr std::array<std::string_view, 16> kEndings = {
        "pdf", "doc", "docx", "odt", "rtf",  "txt",  "tex", "dvi",
        "ps",  "ppt", "pptx", "xls", "xlsx", "indd", "qxd", "htm"};
    const std::string_view ending = std::string_view(low).substr(dot + 1);
    for (std::string_view known : kEndings) {
      if (ending == known) return false;
    }
  }
  return low.find(":\\") == std::string::npos && !low.starts_with("/");
}

std::string first_outline_entry(std::string_view outline_html) {
  const size_t heading = outline_html.find("</h1>");
  if (heading == std::string_view::npos) return {};
  const size_t link = outline_html.find("<a ", heading);
  if (link == std::string_view::npos) return {};
  const size_t start = outline_html.find('>', link);
  const size_t end = outline_html.find("</a>", link);
  if (start == std::string_view::npos || end == std::string_view::npos || end < start) return {};
  std::string text;
  append_page_text(outline_html.substr(start + 1, end - start - 1), text);
  return collapsed(text);
}

std::string choose_document_title(std::string_view pdf_title, std::string_view outline_html,
                                  std::string_view pdf_file) {
  std::string title = collapsed(pdf_title);
  if (is_real_title(title, pdf_file)) return title;
  title = first_outline_entry(outline_html);
  if (title.empty()) title = without_pdf_ending(file_name_of(pdf_file));
  return title;
}

void choose_document_languages(const std::vector<std::string>& page_files,
                               std::string_view pdf_language, DocumentFacts* facts) {
  std::vector<TextLanguage> pages;
  LanguageTally tally;
  std::string html;
  std::string text;
  // The first stretch of the document's text, for a document whose pages
  // are each too short for CLD2 to name a language (a title, a few lines).
  std::string opening;
  for (const std::string& file : page_files) {
    text.clear();
    if (read_whole_file(file, &html)) append_page_text(html, text);
    pages.push_back(identify_language(text));
    tally.add(pages.back());
    if (opening.size() < kOpeningBytes) opening.append(text, 0, kOpeningBytes - opening.size());
  }
  const std::string own_language = clean_language_tag(pdf_language);
  std::string found = tally.leading();
  if (found.empty()) found = identify_language(opening).tag;
  // A /Lang that the program that made the PDF left at its own default
  // ("en-US" over a Chinese text) gives way to the language of most of the
  // text, where CLD2 is sure of it.
  const bool own_holds =
      is_language_tag(own_language) && (found.empty() || primary(found) == primary(own_language) ||
                                        tally.share(found) < kOverruledShare);
  facts->language = own_holds ? own_language : found;

  facts->page_languages.clear();
  for (const TextLanguage& page : pages) {
    const bool another = page.reliable && page.bytes >= kPageLanguageBytes &&
                         !facts->language.empty() && primary(page.tag) != primary(facts->language);
    facts->page_languages.push_back(another ? page.tag : std::string());
  }
}

DocumentFacts choose_document_facts(const std::vector<std::string>& page_files,
                                    const DocumentFacts& pdf_own, std::string_view outline_html,
                                    std::string_view pdf_file) {
  DocumentFacts facts;
  facts.title = choose_document_title(pdf_own.title, outline_html, pdf_file);
  choose_document_languages(page_files, pdf_own.language, &facts);
  return facts;
}

}  // namespace lexiweb
