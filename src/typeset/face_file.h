// A face's file as HarfBuzz reads it: the characters its cmap maps, and the
// face cut to some of them, compressed as WOFF2.
#ifndef LEXIWEB_TYPESET_FACE_FILE_H_
#define LEXIWEB_TYPESET_FACE_FILE_H_

#include <memory>
#include <optional>
#include <set>
#include <string>

namespace lexiweb {

// The heights a browser lays out a line of the face by, in ems: what
// FreeType reads from the face (the hhea table, or the OS/2 table's
// typographic heights where the face asks for them).
struct LineMetrics {
  double ascent = 0;   // above the baseline
  double descent = 0;  // below it
};

class FaceFile {
 public:
  // Opens face `index` of the font file at `path` (a collection holds
  // several); ok() tells whether it could be read.
  FaceFile(const std::string& path, unsigned index);
  ~FaceFile();
  FaceFile(const FaceFile&) = delete;
  FaceFile& operator=(const FaceFile&) = delete;

  bool ok() const;
  bool has(char32_t character) const;

  // Zero when the face's tables cannot be read.
  LineMetrics line_metrics() const;

  // The advance of `character`'s glyph in thousandths of an em; 0 when the
  // face lacks it.
  int advance(char32_t character) const;

  // The face cut to `characters` (those it has; the glyphs they need,
  // composites and ligatures included, with their metrics and layout
  // tables) as the bytes of a WOFF2 file; nothing when the subsetter or
  // the compressor fails.
  std::optional<std::string> subset_as_woff2(const std::set<char32_t>& characters) const;

 private:
  struct Library;
  std::unique_ptr<Library> library_;
};

// The characters that the cmap of the font file at `path` maps, a WOFF2
// file decompressed first; nothing when it cannot be read.
std::optional<std::set<char32_t>> characters_of_font_file(const std::string& path);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FACE_FILE_H_
