// lexiweb-render: the page backgrounds of a range of pages and the text
// drawn on them, for lexiweb's converter, which runs it once per range
// beside pdftohtml -c -i (the pages).
//   lexiweb-render ZOOM FIRST LAST PDF TEXT PAGES STRUCTURE [PREFIX]
// writes the text drawn on the pages to TEXT, and the fonts that drew it
// and what each page holds to PAGES (common/drawn_text.h), the document's
// /Lang and /Title and, for a tagged PDF, the structure of the pages to
// STRUCTURE (common/drawn_structure.h), and with PREFIX page N's background as
// PREFIX, N in three or more digits and ".png", where pdftohtml -c would
// write it. Runs in a process of its own so that a document that crashes
// the library ends only this range. Exits as pdftohtml does: 1 when the
// document cannot be opened, 2 when an output file cannot be written.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include "common/complete_file.h"
#include "common/exit_statuses.h"
#include "render/background_renderer.h"
#include "render/png_encoder.h"

namespace {

using lexiweb::kCannotOpenPdf;
using lexiweb::kCannotWriteOutput;
using lexiweb::kWrongUsage;

// pdftohtml -c keeps its zoom within these bounds, for the pages as for
// their backgrounds.
constexpr double kSmallestZoom = 0.5;
constexpr double kLargestZoom = 3;

std::string image_path(const std::string& prefix, int page) {
  char number[16];
  std::snprintf(number, sizeof number, "%03d", page);
  return prefix + number + ".png";
}

bool write_all(std::FILE* file, const std::string& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
}

bool whole_number(const char* text, int* value) {
  char* end = nullptr;
  const long number = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || number < 1 || number > 1'000'000'000) return false;
  *value = static_cast<int>(number);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 0;
  int last = 0;
  char* zoom_end = nullptr;
  const bool usage = argc == 8 || argc == 9;
  const double asked_zoom = usage ? std::strtod(argv[1], &zoom_end) : 0;
  if (!usage || *zoom_end != '\0' || !(asked_zoom > 0) || !whole_number(argv[2], &first) ||
      !whole_number(argv[3], &last)) {
    std::fputs("usage: lexiweb-render ZOOM FIRST LAST PDF TEXT PAGES STRUCTURE [PREFIX]\n", stderr);
    return kWrongUsage;
  }
  const double zoom = std::clamp(asked_zoom, kSmallestZoom, kLargestZoom);
  const bool images = argc == 9;
  const std::string prefix = images ? argv[8] : "";

  lexiweb::BackgroundRenderer renderer(argv[4]);
  if (!renderer.ok()) return kCannotOpenPdf;
  if (last > renderer.page_count()) last = renderer.page_count();

  // Blank pages are common (chapter ends, empty backs), and all blank pages
  // of one size have the same file.
  std::map<std::pair<int, int>, std::string> blank_files;
  std::string bytes;
  lexiweb::TextRecorder recorder;
  std::string drawn_text;
  std::string drawn_pages;
  std::FILE* text_file = std::fopen(argv[5], "wb");
  std::FILE* pages_file = std::fopen(argv[6], "wb");
  std::FILE* structure_file = std::fopen(argv[7], "wb");
  if (text_file == nullptr || pages_file == nullptr || structure_file == nullptr) {
    return kCannotWriteOutput;
  }
  // An untagged document has an empty tree, and its pages go without.
  const lexiweb::StructureTree tree = renderer.structure_tree(first, last);
  lexiweb::StructureRecorder structure_recorder(tree);
  lexiweb::StructureRecorder* structure = tree.empty() ? nullptr : &structure_recorder;
  std::string drawn_structure;
  lexiweb::append_document_tags(drawn_structure, renderer.document_tags());
  for (int page = first; page <= last; ++page) {
    lexiweb::Background background;
    if (images) {
      background = renderer.draw(page, zoom, recorder, structure);
    } else {
      renderer.record_text(page, zoom, recorder, structure);
    }
    const bool blank = images && lexiweb::all_white(background);
    recorder.end_page(page, renderer.rotation(page), blank, drawn_text, drawn_pages);
    if (structure != nullptr) structure->end_page(page, drawn_structure);
    if (!write_all(text_file, drawn_text) || !write_all(pages_file, drawn_pages) ||
        !write_all(structure_file, drawn_structure)) {
      return kCannotWriteOutput;
    }
    drawn_text.clear();
    drawn_pages.clear();
    drawn_structure.clear();
    if (!images) continue;
    const std::pair<int, int> size(background.width, background.height);
    std::string* file = blank ? &blank_files[size] : &bytes;
    if ((!blank || file->empty()) && !lexiweb::encode_png(background, file)) {
      return kCannotWriteOutput;
    }
    if (!lexiweb::write_complete_file(image_path(prefix, page), *file)) return kCannotWriteOutput;
  }
  if (!write_all(structure_file, drawn_structure) || std::fclose(text_file) != 0 ||
      std::fclose(pages_file) != 0 || std::fclose(structure_file) != 0) {
    return kCannotWriteOutput;
  }
  return 0;
}
