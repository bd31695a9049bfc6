// Reads a PNG file into its pixels through libpng, so that two images can be
// compared by what they show rather than by their bytes, which depend on
// how they were compressed. Used by the tests and tools/compare_backgrounds.
#ifndef LEXIWEB_TOOLS_PNG_PIXELS_H_
#define LEXIWEB_TOOLS_PNG_PIXELS_H_

#include <filesystem>
#include <string>
#include <vector>

namespace lexiweb::testing {

struct PngPixels {
  unsigned width = 0;
  unsigned height = 0;
  int bit_depth = 0;
  int color_type = 0;               // PNG_COLOR_TYPE_RGB, ...
  std::vector<unsigned char> rows;  // the rows as stored, one after the other

  bool operator==(const PngPixels&) const = default;
};

// The image of the PNG file at `path`; false, with `error` saying why, when
// it cannot be read or decoded.
bool read_png(const std::filesystem::path& path, PngPixels* image, std::string* error);

// Empty when the PNG files `a` and `b` hold the same image (size, bit depth,
// colour type and every pixel), else what differs.
std::string png_difference(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace lexiweb::testing

#endif  // LEXIWEB_TOOLS_PNG_PIXELS_H_
