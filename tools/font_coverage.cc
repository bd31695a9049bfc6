// How much of a site's text the faces it carries can draw: for every text
// fragment of the converted pages in FOLDER (a site's htm_out, or htm_in),
// every character but blanks is looked up in the cmaps of the faces that
// the @font-face rules of the page load for the families of the fragment's
// class. Prints the share covered and the characters that are not, most
// frequent first.
//
// Usage: font_coverage FOLDER [PAGE_GLOB_PREFIX]
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/utf8.h"
#include "typeset/face_file.h"
#include "typeset/markup_text.h"

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return std::move(bytes).str();
}

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  while (true) {
    const size_t at = text.find(separator);
    parts.emplace_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

// The value of `key` ("font-family:") in a rule, up to ";" or "}".
std::string value_of(std::string_view rule, std::string_view key) {
  const size_t at = rule.find(key);
  if (at == std::string_view::npos) return "";
  const std::string_view rest = rule.substr(at + key.size());
  return std::string(rest.substr(0, rest.find_first_of(";}")));
}

struct Coverage {
  long characters = 0;
  long covered = 0;
  std::map<char32_t, long> missing;
};

class FaceCharacters {
 public:
  const std::set<char32_t>& of(const fs::path& file) {
    auto [entry, added] = faces_.try_emplace(file.string());
    if (added) {
      const auto characters = lexiweb::characters_of_font_file(file.string());
      if (characters) entry->second = *characters;
    }
    return entry->second;
  }

 private:
  std::map<std::string, std::set<char32_t>> faces_;
};

void measure_page(const fs::path& page_path, FaceCharacters& faces, Coverage& coverage) {
  const std::string page = read_file(page_path);
  const size_t style_end = page.find("</style>");
  const std::string_view style = std::string_view(page).substr(0, style_end);
  // The files each family loads, and the families of each class.
  std::map<std::string, std::vector<fs::path>> family_files;
  std::map<std::string, std::vector<std::string>> class_families;
  for (size_t at = style.find('{'); at != std::string_view::npos; at = style.find('{', at + 1)) {
    const size_t end = style.find('}', at);
    if (end == std::string_view::npos) break;
    const size_t name_start = style.find_last_of("\n\t ", at) + 1;
    const std::string_view selector = style.substr(name_start, at - name_start);
    const std::string_view rule = style.substr(at, end - at + 1);
    if (selector == "@font-face") {
      const std::string source = value_of(rule, "src:url(");
      family_files[value_of(rule, "font-family:")].push_back(page_path.parent_path() /
                                                             source.substr(0, source.find(')')));
    } else if (selector.starts_with('.')) {
      class_families[std::string(selector.substr(1))] = split(value_of(rule, "font-family:"), ',');
    }
  }
  std::string_view body =
      std::string_view(page).substr(style_end == std::string::npos ? 0 : style_end);
  for (size_t at = body.find("<p "); at != std::string_view::npos; at = body.find("<p ", at + 1)) {
    const size_t tag_end = body.find('>', at);
    const size_t end = tag_end == std::string_view::npos ? tag_end : body.find("</p>", tag_end);
    if (end == std::string_view::npos) break;
    const std::string_view tag = body.substr(at, tag_end - at);
    const size_t class_at = tag.find("class=\"");
    if (class_at == std::string_view::npos) continue;
    const std::string_view rest = tag.substr(class_at + 7);
    const std::string class_name(rest.substr(0, rest.find('"')));
    std::u32string by_style[4];
    lexiweb::add_styled_characters(body.substr(tag_end + 1, end - tag_end - 1), by_style);
    for (const std::u32string& text : by_style) {
      for (char32_t character : text) {
        if (character <= 0x20 || character == 0xA0) continue;
        ++coverage.characters;
        bool drawn = false;
        for (const std::string& family : class_families[class_name]) {
          for (const fs::path& file : family_files[family])
            drawn |= faces.of(file).contains(character);
        }
        if (drawn) {
          ++coverage.covered;
        } else {
          ++coverage.missing[character];
        }
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fputs("usage: font_coverage FOLDER [PAGE_NAME_PREFIX]\n", stderr);
    return 2;
  }
  const std::string prefix = argc == 3 ? argv[2] : "";
  FaceCharacters faces;
  Coverage coverage;
  std::error_code error;
  fs::directory_iterator folder(argv[1], error);
  if (error) {
    std::fprintf(stderr, "font_coverage: cannot read %s: %s\n", argv[1], error.message().c_str());
    return 1;
  }
  for (const auto& entry : folder) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(prefix) || !(name.ends_with(".htm") || name.ends_with(".html"))) continue;
    measure_page(entry.path(), faces, coverage);
  }
  std::printf("characters %ld, covered %ld (%.3f%%)\n", coverage.characters, coverage.covered,
              coverage.characters ? 100.0 * coverage.covered / coverage.characters : 100.0);
  std::vector<std::pair<long, char32_t>> missing;
  for (const auto& [character, count] : coverage.missing) missing.emplace_back(count, character);
  std::sort(missing.rbegin(), missing.rend());
  for (const auto& [count, character] : missing) {
    std::string text;
    lexiweb::append_utf8(text, character);
    std::printf("  U+%04X %s %ld\n", static_cast<unsigned>(character), text.c_str(), count);
  }
  return 0;
}
