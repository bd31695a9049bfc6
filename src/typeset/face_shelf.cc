// Subsetting is quick; compressing as WOFF2 takes a tenth of a second for
// a face of Latin text and more for one of Chinese characters, so the faces
// are compressed on all cores at once. The WOFF2 encoder reports each face
// it compresses on standard error, which is kept quiet meanwhile; the
// files are written afterwards, so that a refused write still reports.
#include "typeset/face_shelf.h"

#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "platform/quiet_standard_error.h"
#include "platform/system_info.h"
#include "shell/file_ops.h"
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
    "/usr/share/fonts/truetype/crosextra",
    "/usr/share/fonts/truetype/vlgothic",
    "/usr/share/fonts/opentype/noto",
    "/usr/share/fonts/truetype/cmu",
    "/usr/share/fonts/truetype/tlwg",
    "/usr/share/texmf/fonts/opentype/public/lm",
    "/usr/share/texmf/fonts/opentype/public/lm-math",
    "/usr/share/texmf/fonts/opentype/public/tex-gyre",
};

std::string woff2_name(const std::string& file) {
  return file.substr(0, file.rfind('.')) + ".woff2";
}

}  // namespace

std::string installed_font_file(const std::string& file) {
  for (const char* directory : kFontDirectories) {
    std::string path = std::string(directory) + "/" + file;
    if (file_exists(path)) return path;
  }
  return "";
}

FaceShelf::Shelved& FaceShelf::shelved(const FontFace& face) {
  auto [entry, added] = faces_.try_emplace(face.file);
  if (added) {
    entry->second.path = installed_font_file(face.file);
    if (!entry->second.path.empty()) {
      auto file = std::make_unique<FaceFile>(entry->second.path, 0);
      if (file->ok()) entry->second.file = std::move(file);
    }
  }
  return entry->second;
}

bool FaceShelf::draws(const FontFace& face, char32_t character) {
  if (face.family.empty()) return false;
  const Shelved& entry = shelved(face);
  return entry.file != nullptr && entry.file->has(character);
}

LineMetrics FaceShelf::line_metrics(const FontFace& face) {
  if (face.family.empty()) return {};
  const Shelved& entry = shelved(face);
  return entry.file != nullptr ? entry.file->line_metrics() : LineMetrics{};
}

int FaceShelf::advance(const FontFace& face, char32_t character) {
  if (face.family.empty()) return 0;
  const Shelved& entry = shelved(face);
  return entry.file == nullptr ? 0 : entry.file->advance(character);
}

void FaceShelf::add(const FontFace& face, char32_t character) {
  shelved(face).characters.insert(character);
}

std::string FaceShelf::address(const FontFace& face) {
  return std::string(kFontFolder) + "/" + woff2_name(face.file);
}

bool FaceShelf::write_faces() {
  std::vector<Shelved*> used;
  std::vector<std::string> names;
  for (auto& [file, entry] : faces_) {
    if (entry.characters.empty() || entry.file == nullptr) continue;
    used.push_back(&entry);
    names.push_back(woff2_name(file));
  }
  if (used.empty()) return true;
  std::vector<std::optional<std::string>> woff2(used.size());
  {
    QuietStandardError quiet;
    std::atomic<size_t> next = 0;
    auto compress = [&] {
      for (size_t i = next++; i < used.size(); i = next++) {
        woff2[i] = used[i]->file->subset_as_woff2(used[i]->characters);
      }
    };
    std::vector<std::thread> workers;
    const int cores = core_count();
    for (int i = 1; i < cores && i < static_cast<int>(used.size()); ++i) {
      workers.emplace_back(compress);
    }
    compress();
    for (std::thread& worker : workers) worker.join();
  }
  const std::string folder = pages_folder_ + "/" + kFontFolder;
  if (!folder_exists(folder)) make_folder(folder);
  bool all_there = true;
  for (size_t i = 0; i < used.size(); ++i) {
    const std::string target = folder + "/" + names[i];
    if (woff2[i]) {
      write_whole_file(target, *woff2[i]);
    } else if (!copy_file(used[i]->path, target)) {
      all_there = false;
    }
  }
  return all_there;
}

}  // namespace lexiweb
