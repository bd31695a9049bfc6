// pdftohtml writes one class per font, size and colour as a line
// ".ftNN{font-size:15px;font-family:NAME;color:#000000;}" of the style
// element, and each fragment as a p tag naming its class; bold and italic
// text it wraps in b and i elements. Family names here are plain CSS
// identifiers, so nothing in the style needs quotes.
#include "typeset/page_fonts.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string_view>

#include "platform/system_info.h"
#include "shell/file_ops.h"
#include "shell/process_pool.h"
#include "typeset/font_folder.h"

namespace lexiweb {
namespace {

// Where the Debian font packages put the faces of the table.
constexpr const char* kFontDirectories[] = {
    "/usr/share/fonts/truetype/liberation2",
    "/usr/share/fonts/truetype/liberation",
    "/usr/share/fonts/truetype/dejavu",
    "/usr/share/fonts/truetype/inconsolata",
    "/usr/share/fonts/opentype/inconsolata",
    "/usr/share/texmf/fonts/opentype/public/lm",
    "/usr/share/texmf/fonts/opentype/public/tex-gyre",
};

constexpr std::string_view kFamilyKey = "font-family:";
constexpr std::string_view kClassKey = "class=\"";

// `file` with the ending ".woff2" for its own, as woff2_compress names its output.
std::string woff2_name(const std::string& file) {
  return file.substr(0, file.rfind('.')) + ".woff2";
}

// The path of `name` in a folder of the PATH, or empty.
std::string program_on_path(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path == nullptr ? "" : path;
  while (!folders.empty()) {
    const std::string_view folder = folders.substr(0, folders.find(':'));
    folders.remove_prefix(std::min(folders.size(), folder.size() + 1));
    if (folder.empty()) continue;
    std::string candidate = std::string(folder) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

// Compressing a face takes about two seconds, more than the rest of a run
// of a whole manual, and gives the same bytes every time: each face is
// compressed once per user and kept in $XDG_CACHE_HOME/lexiweb/fonts (or
// ~/.cache/lexiweb/fonts). Empty when neither variable is set.
std::string compressed_face_cache() {
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache == '/') {
    return std::string(cache) + "/lexiweb/fonts";
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
    return std::string(home) + "/.cache/lexiweb/fonts";
  }
  return "";
}

// The name of the compressed `source` in the cache: its name, size and time
// of change, so that a face a package update replaces is compressed anew.
std::string cached_face_name(const std::string& source) {
  std::error_code error;
  const std::filesystem::path path(source);
  const auto size = std::filesystem::file_size(path, error);
  if (error) return "";
  const auto changed = std::filesystem::last_write_time(path, error);
  if (error) return "";
  return path.stem().string() + "-" + std::to_string(size) + "-" +
         std::to_string(changed.time_since_epoch().count()) + ".woff2";
}

// Keeps `compressed` in the cache as `cached`; a cache that cannot take it
// only costs the next run the compression again.
void keep_in_cache(const std::string& compressed, const std::string& cached) {
  std::error_code error;
  const std::filesystem::path target(cached);
  std::filesystem::create_directories(target.parent_path(), error);
  const std::filesystem::path partial = cached + ".part" + std::to_string(getpid());
  if (!std::filesystem::copy_file(compressed, partial,
                                  std::filesystem::copy_options::overwrite_existing, error)) {
    return;
  }
  std::filesystem::rename(partial, target, error);
  if (error) std::filesystem::remove(partial, error);
}

std::string installed_file(const std::string& file) {
  for (const char* directory : kFontDirectories) {
    std::string path = std::string(directory) + "/" + file;
    if (file_exists(path)) return path;
  }
  return "";
}

// A class's font: its face, and whether b and i elements occur in its fragments.
struct ClassUse {
  PdfFont font;
  bool bold_inside = false;
  bool italic_inside = false;
  bool used = false;
};

std::string font_face_rule(const FontFace& face, const std::string& address) {
  std::string rule = "@font-face{font-family:" + face.family + ";src:url(" + address + ")";
  if (face.bold) rule += ";font-weight:bold";
  if (face.italic) rule += ";font-style:italic";
  return rule + "}\n";
}

// The class names ("ft03") of the fragments with b or i elements inside.
void note_fragment_styles(std::string_view body, std::map<std::string, ClassUse>& classes) {
  for (size_t at = body.find("<p "); at != std::string_view::npos; at = body.find("<p ", at + 1)) {
    const size_t tag_end = body.find('>', at);
    const size_t end = tag_end == std::string_view::npos ? tag_end : body.find("</p>", tag_end);
    if (end == std::string_view::npos) return;
    const std::string_view tag = body.substr(at, tag_end - at);
    const size_t name_at = tag.find(kClassKey);
    if (name_at == std::string_view::npos) continue;
    const std::string_view rest = tag.substr(name_at + kClassKey.size());
    auto found = classes.find(std::string(rest.substr(0, rest.find('"'))));
    if (found == classes.end()) continue;
    const std::string_view content = body.substr(tag_end, end - tag_end);
    found->second.used = true;
    if (content.find("<b>") != std::string_view::npos) found->second.bold_inside = true;
    if (content.find("<i>") != std::string_view::npos) found->second.italic_inside = true;
  }
}

PdfFont with_style(PdfFont font, bool bold, bool italic) {
  font.bold = font.bold || bold;
  font.italic = font.italic || italic;
  return font;
}

}  // namespace

FontShelf::FontShelf(std::string pages_folder)
    : pages_folder_(std::move(pages_folder)),
      compressor_(program_on_path("woff2_compress")),
      cache_(compressed_face_cache()) {}

const std::string& FontShelf::address(const FontFace& face) {
  auto [entry, added] = addresses_.try_emplace(face.file);
  if (!added) return entry->second;
  const std::string source = installed_file(face.file);
  if (source.empty()) return entry->second;
  const std::string folder = pages_folder_ + "/" + kFontFolder;
  if (!folder_exists(folder)) make_folder(folder);
  if (compressor_.empty()) {
    if (!copy_file(source, folder + "/" + face.file)) return entry->second;
    entry->second = std::string(kFontFolder) + "/" + face.file;
    return entry->second;
  }
  const std::string compressed_name = woff2_name(face.file);
  const std::string cached_name = cache_.empty() ? "" : cached_face_name(source);
  const std::string cached = cached_name.empty() ? "" : cache_ + "/" + cached_name;
  if (cached.empty() || access(cached.c_str(), R_OK) != 0 ||
      !copy_file(cached, folder + "/" + compressed_name)) {
    const std::string copy = folder + "/" + face.file;
    if (!copy_file(source, copy)) return entry->second;
    uncompressed_.push_back({copy, cached});
  }
  entry->second = std::string(kFontFolder) + "/" + compressed_name;
  return entry->second;
}

bool FontShelf::compress() {
  std::vector<ProcessJob> jobs;
  for (const auto& [copy, cached] : uncompressed_) jobs.push_back({{compressor_, copy}, {}});
  if (!jobs.empty()) run_process_jobs(jobs, core_count(), pages_folder_, [](int) {});
  bool all_there = true;
  for (const auto& [copy, cached] : uncompressed_) {
    const std::string compressed = woff2_name(copy);
    if (file_exists(compressed)) {
      delete_file(copy);
      if (!cached.empty()) keep_in_cache(compressed, cached);
    } else if (std::rename(copy.c_str(), compressed.c_str()) != 0) {
      all_there = false;
    }
  }
  uncompressed_.clear();
  return all_there;
}

PdfFont font_named(const std::string& converter_name, const std::vector<PdfFont>& fonts) {
  const PdfFont* match = nullptr;
  for (const PdfFont& font : fonts) {
    const std::string_view name(font.name);
    if (!name.starts_with(converter_name)) continue;
    if (name.size() > converter_name.size() && name[converter_name.size()] != '-' &&
        name[converter_name.size()] != ',') {
      continue;
    }
    if (name.size() == converter_name.size()) return font;
    if (match != nullptr) return PdfFont{converter_name};  // several: the name decides
    match = &font;
  }
  return match != nullptr ? *match : PdfFont{converter_name};
}

void set_page_fonts(std::string& page_html, const std::vector<PdfFont>& fonts, FontShelf& shelf) {
  const size_t style_start = page_html.find("<style");
  const size_t style_end =
      style_start == std::string::npos ? style_start : page_html.find("</style>", style_start);
  if (style_end == std::string::npos) return;

  // The classes of the style, by name, with their fonts.
  std::map<std::string, ClassUse> classes;
  struct FamilyField {
    size_t start;  // of the name, after "font-family:"
    size_t end;    // at the ";" or "}" after it
    std::string class_name;
  };
  std::vector<FamilyField> fields;
  for (size_t at = page_html.find(kFamilyKey, style_start); at < style_end;
       at = page_html.find(kFamilyKey, at + 1)) {
    // The class rule around it: ".ftNN{" before it, on its line.
    const size_t line_start = page_html.rfind('\n', at) + 1;
    const size_t dot = page_html.rfind('.', at);
    const size_t brace = dot == std::string::npos ? dot : page_html.find('{', dot);
    if (dot == std::string::npos || dot < line_start || brace >= at) continue;
    const size_t start = at + kFamilyKey.size();
    const size_t end = page_html.find_first_of(";}", start);
    if (end >= style_end) continue;
    std::string class_name = page_html.substr(dot + 1, brace - dot - 1);
    classes[class_name].font = font_named(page_html.substr(start, end - start), fonts);
    fields.push_back({start, end, std::move(class_name)});
  }
  note_fragment_styles(std::string_view(page_html).substr(style_end), classes);

  // The faces the page uses, each rule once, in the order first needed.
  std::string rules;
  std::set<std::string> ruled;
  auto add_rule = [&](const FontFace& face) {
    if (face.family.empty()) return false;
    const std::string& address = shelf.address(face);
    if (address.empty()) return false;
    if (ruled.insert(face.file).second) rules += font_face_rule(face, address);
    return true;
  };

  std::string result;
  size_t copied = 0;
  for (const FamilyField& field : fields) {
    const ClassUse& use = classes[field.class_name];
    const FontFace face = free_face(use.font);
    std::string families = face.generic;
    if (use.used && add_rule(face)) {
      families = face.family + "," + face.generic;
      if (use.bold_inside) add_rule(free_face(with_style(use.font, true, false)));
      if (use.italic_inside) add_rule(free_face(with_style(use.font, false, true)));
      if (use.bold_inside && use.italic_inside)
        add_rule(free_face(with_style(use.font, true, true)));
    } else if (!use.used) {
      families = face.family.empty() ? face.generic : face.family + "," + face.generic;
    }
    result.append(page_html, copied, field.start - copied);
    result += families;
    if (face.bold) result += ";font-weight:bold";
    if (face.italic) result += ";font-style:italic";
    copied = field.end;
  }
  result.append(page_html, copied, std::string::npos);

  // The rules go first in the style, after its comment opener when it has one.
  const size_t style_tag_end = result.find('>', style_start) + 1;
  size_t rules_at = style_tag_end;
  if (result.compare(rules_at, 1, "\n") == 0) ++rules_at;
  if (result.compare(rules_at, 5, "<!--\n") == 0) rules_at += 5;
  result.insert(rules_at, rules);
  page_html = std::move(result);
}

}  // namespace lexiweb
