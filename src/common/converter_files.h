// The files that the converter layer keeps for a while in the converter's
// output folder beside the pages, named once here. None of them stays once
// the conversion has ended.
#ifndef LEXIWEB_COMMON_CONVERTER_FILES_H_
#define LEXIWEB_COMMON_CONVERTER_FILES_H_

#include <string>

namespace lexiweb {

// What lexiweb-render writes for the range that begins at page `first`:
// the text drawn on its pages, and the fonts that drew it with what each
// page holds (common/drawn_text.h). Read by the converter's typesetting
// and its search for pages without text.
inline std::string drawn_text_file(int first) {
  return "drawn-text-" + std::to_string(first) + ".txt";
}
inline std::string drawn_pages_file(int first) {
  return "drawn-pages-" + std::to_string(first) + ".txt";
}

// What lexiweb-render writes for the same range of a tagged PDF: its
// structure elements and which of them each piece of the drawn text
// belongs to, after a first line with the document's /Lang and /Title
// (common/drawn_structure.h). Read by the converter's page structure.
inline std::string drawn_structure_file(int first) {
  return "drawn-structure-" + std::to_string(first) + ".txt";
}

// What lexiweb-ocr writes for page `page` (common/recognized_text.h), read
// by the converter's recognition.
inline std::string recognised_text_file(int page) {
  return "recognised-" + std::to_string(page) + ".txt";
}

// What the process pool's job number `job` (from 0) prints, kept from the
// console while it runs; the pool reads its last line when the job fails.
inline std::string job_output_file(size_t job) {
  return "job-output-" + std::to_string(job + 1) + ".txt";
}

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_CONVERTER_FILES_H_
