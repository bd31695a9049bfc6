// The measuring runs among the converter's processes, in processes of its
// own, so that a document that crashes poppler's library ends only the
// measuring, never the run. pdftohtml -xml -i costs about a tenth of
// pdftohtml -c, which draws the page images.
#include "platform/typesetting.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/converter_processes.h"
#include "platform/fit_script.h"
#include "platform/page_ranges.h"
#include "platform/private_programs.h"
#include "platform/system_info.h"
#include "shell/file_ops.h"

namespace lexiweb {
namespace {

// The lines "NAME<tab>FLAGS" of a font query's output.
void read_fonts(const std::string& path, std::set<std::string>& seen, std::vector<PdfFont>& fonts) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos || tab == 0) continue;
    PdfFont font{line.substr(0, tab)};
    if (!seen.insert(font.name).second) continue;
    const std::string flags = line.substr(tab + 1);
    font.bold = flags.find('b') != std::string::npos;
    font.italic = flags.find('i') != std::string::npos;
    font.fixed_pitch = flags.find('f') != std::string::npos;
    font.serif = flags.find('s') != std::string::npos;
    fonts.push_back(std::move(font));
  }
}

std::vector<std::string> xml_files(const std::vector<std::string>& files) {
  std::vector<std::string> xml;
  for (const std::string& file : files) {
    if (file.ends_with(".xml")) xml.push_back(file);
  }
  return xml;
}

}  // namespace

Measuring measuring_jobs(const std::string& zoom, const std::string& pdf_file,
                         const std::string& folder, int page_count) {
  const std::string pdf = as_operand(pdf_file);
  const std::string query = font_query_program();
  // One range per core: every pdftohtml start reads the document's
  // structure anew, which costs as much as measuring several pages, and the
  // pages measure in about the same time each.
  const int cores = core_count();
  std::vector<PageRange> ranges =
      page_ranges(page_count, cores, std::max(1, (page_count + cores - 1) / cores));
  if (page_count == 0) ranges = {{1, 1'000'000'000}};
  Measuring jobs;
  // The fonts are the document's: one query over all its pages, which
  // takes a fraction of a second.
  if (!query.empty()) {
    const std::string stem = folder + "/measure-fonts.txt";
    jobs.jobs.push_back({{query, "1", std::to_string(page_count > 0 ? page_count : 1'000'000'000),
                          pdf, as_operand(stem)},
                         {},
                         converter_page_file,
                         true});
    jobs.files.push_back(stem);
  }
  for (const PageRange& range : ranges) {
    const std::string first = std::to_string(range.first);
    const std::string last = std::to_string(range.last);
    const std::string stem = folder + "/measure-" + first;
    std::vector<std::string> xml = {"pdftohtml", "-q", "-xml", "-i", "-zoom", zoom};
    if (page_count > 0) xml.insert(xml.end(), {"-f", first, "-l", last});
    xml.insert(xml.end(), {pdf, as_operand(stem)});
    jobs.jobs.push_back({xml, {}, converter_page_file, true});
    jobs.files.push_back(stem + ".xml");
  }
  return jobs;
}

std::string font_query_program() { return private_program("lexiweb-fonts"); }

Typesetting::Typesetting(const std::string& folder, const Measuring& measuring)
    : folder_(folder), measure_files_(measuring.files), lines_({}), shelf_(folder) {
  std::set<std::string> seen;
  for (const std::string& file : measure_files_) {
    if (file.ends_with(".txt")) read_fonts(file, seen, fonts_);
  }
  lines_ = PageLineReader(xml_files(measure_files_));
}

void Typesetting::set_page(std::string& page_html, int page) {
  const std::vector<TextLine> lines = lines_.lines_of(page);
  const bool measured = !lines.empty() && add_fragment_widths(page_html, lines);
  set_page_fonts(page_html, fonts_, shelf_);
  if (!measured) return;
  // The script element right after the style element, where the body starts.
  const size_t style_end = page_html.find("</style>");
  if (style_end == std::string::npos) return;
  size_t at = style_end + 8;
  if (at < page_html.size() && page_html[at] == '\n') ++at;
  page_html.insert(at, kFitScriptElement);
  script_used_ = true;
}

bool Typesetting::finish() {
  for (const std::string& file : measure_files_) delete_file(file);
  if (!shelf_.compress()) return false;
  if (!script_used_) return true;
  const std::string fonts = folder_ + "/" + kFontFolder;
  if (!folder_exists(fonts)) make_folder(fonts);
  write_whole_file(fonts + "/" + kFitScriptFile, kFitScript);
  return true;
}

}  // namespace lexiweb
