#include "typeset/typesetting.h"

#include <fstream>
#include <set>

#include "shell/file_ops.h"
#include "typeset/fit_script.h"
#include "typeset/font_folder.h"

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

Typesetting::Typesetting(const std::string& folder, std::vector<std::string> measure_files)
    : folder_(folder), measure_files_(std::move(measure_files)), lines_({}), shelf_(folder) {
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
