#include "typeset/typesetting.h"

#include <set>

#include "common/drawn_text.h"
#include "shell/file_ops.h"
#include "typeset/fit_script.h"
#include "typeset/font_folder.h"

namespace lexiweb {
namespace {

// The fonts the renderer saw drawn, each name once.
std::vector<PdfFont> fonts_of(const std::vector<DrawnFont>& drawn_fonts) {
  std::vector<PdfFont> fonts;
  std::set<std::string> seen;
  for (const DrawnFont& drawn : drawn_fonts) {
    if (!seen.insert(drawn.name).second) continue;
    PdfFont font{drawn.name};
    font.bold = drawn.flags.find('b') != std::string::npos;
    font.italic = drawn.flags.find('i') != std::string::npos;
    font.fixed_pitch = drawn.flags.find('f') != std::string::npos;
    font.serif = drawn.flags.find('s') != std::string::npos;
    font.letter_widths = drawn.letter_widths;
    fonts.push_back(std::move(font));
  }
  return fonts;
}

}  // namespace

Typesetting::Typesetting(const std::string& folder, std::vector<std::string> drawn_text,
                         const std::vector<DrawnFont>& drawn_fonts)
    : folder_(folder),
      drawn_files_(std::move(drawn_text)),
      fonts_(fonts_of(drawn_fonts)),
      drawn_text_(drawn_files_),
      shelf_(folder) {}

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
  page_html.insert(at, font_folder_script(kFitScriptFile));
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
