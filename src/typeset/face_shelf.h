// The faces a site's pages are set in: each face's file found once, the
// characters set in it gathered over all the pages, and at the end each
// face cut to those characters and written into the pages' font folder.
#ifndef LEXIWEB_TYPESET_FACE_SHELF_H_
#define LEXIWEB_TYPESET_FACE_SHELF_H_

#include <map>
#include <memory>
#include <set>
#include <string>

#include "typeset/face_file.h"
#include "typeset/font_table.h"

namespace lexiweb {

class FaceShelf {
 public:
  explicit FaceShelf(std::string pages_folder) : pages_folder_(std::move(pages_folder)) {}

  // Whether `face` is installed and has `character`.
  bool draws(const FontFace& face, char32_t character);

  // The line heights of `face`; zero when it is not installed.
  LineMetrics line_metrics(const FontFace& face);

  // The advance of `character` in `face` in thousandths of an em; 0 when
  // the face is not installed or lacks it.
  int advance(const FontFace& face, char32_t character);

  // Notes that `character` is set in `face`, which draws it.
  void add(const FontFace& face, char32_t character);

  // The address of `face`'s file relative to the pages, such as
  // "fonts/LiberationSans-Regular.woff2".
  static std::string address(const FontFace& face);

  // Writes each face that characters were set in, cut to them, into the
  // font folder, several at once; a face the subsetter fails on goes whole
  // under its name, since browsers tell font formats by their content.
  // False when a face could not be read; a write the system refuses ends
  // the run.
  bool write_faces();

 private:
  struct Shelved {
    std::string path;                // empty when the face is not installed
    std::unique_ptr<FaceFile> file;  // null when not installed
    std::set<char32_t> characters;
  };
  Shelved& shelved(const FontFace& face);

  std::string pages_folder_;
  std::map<std::string, Shelved> faces_;  // by file name
};

// Where the Debian font packages put `file`; empty when it is not there.
std::string installed_font_file(const std::string& file);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FACE_SHELF_H_
