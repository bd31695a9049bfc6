#include "typeset/typesetting.h"

#include <set>

#include "common/drawn_text.h"
#include "shell/file_ops.h"
#include "typeset/class_lines.h"
#include "typeset/fit_script.h"
#include "typeset/font_folder.h"
#include "typeset/turned_text.h"

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
    runs_whole_ = drawn_text_.runs_of(page, runs_, &rotation_);
  }
  return runs_;
}

void Typesetting::set_page(ConvertedPage& converted, int page) {
  drawn_runs(page);
  std::vector<FragmentBaseline> baselines;
  const bool measured = runs_whole_ && add_fragment_widths(converted, runs_, &baselines) > 0;
  fragment_runs_.clear();
  if (runs_whole_) {
    for (const FragmentBaseline& baseline : baselines) fragment_runs_.push_back(baseline.first_run);
  }
  const std::map<std::string, FontFace> leading_faces = set_page_fonts(converted, fonts_, shelf_);
  // A class stands upright where most of its fragments were found drawn
  // from left to right; a few of a turned class may meet text beside them.
  std::map<std::string, int> votes;
  for (const FragmentBaseline& baseline : baselines) {
    votes[baseline.class_name] += baseline.measured ? 1 : -1;
  }
  std::set<std::string> upright;
  for (const auto& [class_name, vote] : votes) {
    if (vote > 0) upright.insert(class_name);
  }
  std::string& head = converted.head;
  remove_fragment_widths(converted, add_page_turn(head, runs_whole_ ? rotation_ : 0, upright));
  std::map<std::string, LineMetrics> metrics;
  for (const auto& [class_name, face] : leading_faces) {
    metrics[class_name] = shelf_.line_metrics(face);
  }
  place_class_lines(head, metrics, baselines);
  if (!measured) return;
  // The script element right after the style element, where the body starts.
  const size_t style_end = head.find("</style>");
  if (style_end == std::string::npos) return;
  size_t at = style_end + 8;
  if (at < head.size() && head[at] == '\n') ++at;
  head.insert(at, font_folder_script(kFitScriptFile));
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
