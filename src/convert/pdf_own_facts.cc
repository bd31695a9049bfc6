#include "convert/pdf_own_facts.h"

#include <algorithm>
#include <string_view>

#include "common/drawn_structure.h"
#include "shell/process_pool.h"
#include "shell/run_shell.h"

namespace lexiweb {

namespace {

std::string pdfinfo_title(const std::string& pdf_file) {
  std::string report;
  if (run_for_output({"pdfinfo", as_operand(pdf_file)}, &report) != 0) return {};
  constexpr std::string_view kTitleField = "Title:";
  std::string_view rest(report);
  while (!rest.empty()) {
    std::string_view line = rest.substr(0, rest.find('\n'));
    rest.remove_prefix(std::min(rest.size(), line.size() + 1));
    if (!line.starts_with(kTitleField)) continue;
    line.remove_prefix(kTitleField.size());
    while (line.starts_with(' ')) line.remove_prefix(1);
    return std::string(line);
  }
  return {};
}

}  // namespace

DocumentFacts pdf_own_facts(const std::vector<std::string>& structure_files,
                            const std::string& pdf_file) {
  DocumentFacts facts;
  for (const std::string& file : structure_files) {
    DocumentTags tags;
    if (!read_document_tags(file, &tags)) continue;
    facts.title = tags.title;
    facts.language = tags.lang;
    return facts;
  }
  facts.title = pdfinfo_title(pdf_file);
  return facts;
}

}  // namespace lexiweb
