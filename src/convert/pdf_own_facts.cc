#include "convert/pdf_own_facts.h"

#include <algorithm>
#include <string_view>

#include "common/drawn_structure.h"
#include "shell/process_pool.h"
#include "shell/run_shell.h"

namespace lexiweb {

std::string pdfinfo_report(const std::string& pdf_file) {
  std::string report;
  if (run_for_output({"pdfinfo", as_operand(pdf_file)}, &report) != 0) return {};
  return report;
}

std::string_view pdfinfo_field(std::string_view report, std::string_view name) {
  while (!report.empty()) {
    std::string_view line = report.substr(0, report.find('\n'));
    report.remove_prefix(std::min(report.size(), line.size() + 1));
    if (!line.starts_with(name)) continue;
    line.remove_prefix(name.size());
    while (line.starts_with(' ')) line.remove_prefix(1);
    return line;
  }
  return {};
}

DocumentFacts pdf_own_facts(const std::vector<std::string>& structure_files,
                            std::string_view pdfinfo_report) {
  DocumentFacts facts;
  for (const std::string& file : structure_files) {
    DocumentTags tags;
    if (!read_document_tags(file, &tags)) continue;
    facts.title = tags.title;
    facts.language = tags.lang;
    return facts;
  }
  facts.title = pdfinfo_field(pdfinfo_report, "Title:");
  return facts;
}

}  // namespace lexiweb
