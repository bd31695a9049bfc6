// Chooses the site's title and languages (common/document_facts.h) from
// what the PDF says of itself, its outline, its file name and its text.
#ifndef LEXIWEB_CONVERT_DOCUMENT_FACTS_CHOICE_H_
#define LEXIWEB_CONVERT_DOCUMENT_FACTS_CHOICE_H_

#include <string>
#include <string_view>
#include <vector>

#include "common/document_facts.h"

namespace lexiweb {

// Whether the PDF's Title is one a reader would call the document by, not
// what the program that made the PDF put there: no file name (of `pdf_file`
// or of the source, "report.doc", "Microsoft Word - report.docx"), no
// "untitled", nothing without a letter or digit.
bool is_real_title(std::string_view title, std::string_view pdf_file);

// The text of the first top-level entry of the converter's outline page
// (the first link after its heading), character references read and blanks
// collapsed; empty when it has none.
std::string first_outline_entry(std::string_view outline_html);

// The title: `pdf_title` where it is a real title, else the first entry of
// `outline_html`, else `pdf_file`'s name without ".pdf".
std::string choose_document_title(std::string_view pdf_title, std::string_view outline_html,
                                  std::string_view pdf_file);

// The language of `facts` and of each of its pages, as choose_document_facts
// below tells, with `pdf_language` the PDF's own /Lang.
void choose_document_languages(const std::vector<std::string>& page_files,
                               std::string_view pdf_language, DocumentFacts* facts);

// The document's facts:
// - title: `pdf_own.title` where it is a real title, else the first entry of
//   `outline_html`, else `pdf_file`'s name without ".pdf";
// - language: `pdf_own.language` where the PDF names one, else the language
//   most of the text of the pages in `page_files` is in; also where the PDF
//   names one but CLD2 is sure that four fifths of the text are in another;
// - each page's language where that page holds enough text for CLD2 to be
//   sure it is in another language than the document's.
// The pages are read one at a time; a page that cannot be read counts as
// one without text.
DocumentFacts choose_document_facts(const std::vector<std::string>& page_files,
                                    const DocumentFacts& pdf_own, std::string_view outline_html,
                                    std::string_view pdf_file);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_DOCUMENT_FACTS_CHOICE_H_
