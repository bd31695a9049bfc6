// The two records a converted document carries for the library
// (library_files.h): its facts, and its words taken from the all-words list
// of the run that made its site.
#ifndef LEXIWEB_LIBRARY_DOCUMENT_RECORD_H_
#define LEXIWEB_LIBRARY_DOCUMENT_RECORD_H_

#include <string>

#include "common/words.h"

namespace lexiweb {

struct DocumentEntry {
  std::string id;
  std::string title;
  std::string language;  // a BCP 47 tag, empty when unknown
  long pages = 0;
  long words = 0;
  std::string contents_page;
  std::string magnification;
  std::string target_site;
};

// The title and language of the document of this run (g_run.document).
void learn_document_facts(DocumentEntry* entry);

void write_document_entry(const std::string& path, const DocumentEntry& entry);
// False when the file is missing or holds no record.
bool read_document_entry(const std::string& path, DocumentEntry* entry);

// Writes the word records of `path` from the all-words list of the working
// folder, one a word in the list's order, keyed as `rule` compares words.
void write_library_words(const std::string& path, WordRule rule = word_rule());

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_DOCUMENT_RECORD_H_
