#include "typeset/typesetting.h"

#include <fstream>
#include <set>

#include "common/drawn_text.h"
#include "shell/file_ops.h"
#include "typeset/fit_script.h"
#include "typeset/font_folder.h"

namespace lexiweb {
namespace {

// The fonts of a file of the renderer's pages (common/drawn_text.h).
void read_fonts(const std::string& path, std::set<std::string>& seen, std::vector<PdfFont>& fonts) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  DrawnFont drawn;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!parse_drawn_font(line, &drawn) || !seen.insert(drawn.name).second) continue;
    PdfFont font{drawn.name};
    font.bold = drawn.flags.find('b') != std::string::npos;
    font.italic = drawn.flags.find('i') != std::string::npos;
    font.fixed_pitch = drawn.flags.find('f') != std::string::npos;
    font.serif = drawn.flags.find('s') != std::string::npos;
    fonts.push_back(std::move(font));
  }
}

}  // namespace

Typesetting::Typesetting(const std::string& folder, std::vector<std::string> drawn_text,
                         std::vector<std::string> drawn_pages)
    : folder_(folder), drawn_text_(drawn_text), shelf_(folder) {
  std::set<std::string> seen;
  for (const std::string& file : drawn_pages) read_fonts(file, seen, fonts_);
  drawn_files_ = std::move(drawn_text);
  drawn_files_.insert(drawn_files_.end(), drawn_pages.begin(), drawn_pages.end());
}

const std::vector<DrawnRun>& Typesetting::drawn_runs(int page) {
  if (runs_page_ != page) {
    runs_page_ = page;
    runs_whole_ = drawn_text_.runs_of(page, runs_);
  }
  return runs_;
}

void Typesetting::set_page(std::string& page_html, int page) {
  drawn_runs(page);
  const bool measured = runs_whole_ && add_fragment_widths(page_html, runs_) > 0;
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
  for (const std::string& file : drawn_files_) delete_file(file);
  if (!shelf_.write_faces()) return false;
  if (!script_used_) return true;
  write_into_font_folder(folder_, kFitScriptFile, kFitScript);
  return true;
}

}  // namespace lexiweb
