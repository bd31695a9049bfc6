#include "convert/pdf_own_facts.h"

#include <algorithm>
#include <string_view>

#include "common/complete_file.h"
#include "common/converter_files.h"
#include "shell/file_ops.h"
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

DocumentFacts pdf_own_facts(const std::string& renderer, const std::string& pdf_file,
                            const std::string& folder) {
  DocumentFacts facts;
  if (!renderer.empty()) {
    const std::string file = folder + "/" + kPdfFactsFile;
    std::string bytes;
    const bool read = run_shell({renderer, "--facts", as_operand(pdf_file), file}) == 0 &&
                      read_whole_file(file, &bytes) && parse_document_facts(bytes, &facts);
    delete_file(file);
    delete_file(partial_file(file));  // left by a renderer that ended half-way
    if (read) return facts;
    facts = DocumentFacts();
  }
  facts.title = pdfinfo_title(pdf_file);
  return facts;
}

}  // namespace lexiweb
