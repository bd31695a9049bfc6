#include "driver/document_facts_reading.h"

#include <filesystem>
#include <string>
#include <vector>

#include "common/run_parameters.h"
#include "common/run_values.h"
#include "convert/document_facts_choice.h"
#include "driver/document_outline.h"
#include "shell/file_ops.h"

namespace lexiweb {

namespace {

// A document without text to tell its language by (empty pages, scans not
// read) shows only the program's own texts, in the labels' language.
DocumentFacts with_some_language(DocumentFacts facts) {
  if (facts.language.empty()) facts.language = label(kLanguageTag);
  return facts;
}

}  // namespace

DocumentFacts read_document_facts() {
  DocumentFacts facts;
  std::string bytes;
  if (read_whole_file(std::string("htm_in/") + kDocumentFactsFile, &bytes) &&
      parse_document_facts(bytes, &facts)) {
    return with_some_language(facts);
  }
  std::vector<std::string> pages;
  for (long page = 1; page <= g_run.page_count; ++page) {
    pages.push_back("htm_in/" + page_stem(page) + ".htm");
  }
  std::string outline;
  read_whole_file(kOutlineFile, &outline);
  const std::vector<std::string> pdfs = matching_files(".", "*.pdf");
  const std::string name =
      pdfs.empty() ? std::filesystem::current_path().filename().string() : pdfs.front();
  return with_some_language(choose_document_facts(pages, DocumentFacts(), outline, name));
}

}  // namespace lexiweb
