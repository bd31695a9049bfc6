// Decodes with libpng's simple row interface, without transformations, so
// that the colour type and bit depth are compared as stored.
#include "tools/png_pixels.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

namespace lexiweb::testing {
namespace {

// libpng reports errors through longjmp: no object here has a destructor,
// and the rows are sized before the jump point is set.
bool decode(std::FILE* file, png_structp png, png_infop info, PngPixels* image) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_read_info(png, info);
  image->width = png_get_image_width(png, info);
  image->height = png_get_image_height(png, info);
  image->bit_depth = png_get_bit_depth(png, info);
  image->color_type = png_get_color_type(png, info);
  if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) png_error(png, "interlaced");
  return true;
}

bool decode_rows(png_structp png, png_infop info, unsigned char* rows, size_t row_bytes,
                 unsigned height) {
  if (setjmp(png_jmpbuf(png))) return false;
  for (unsigned row = 0; row < height; ++row) png_read_row(png, rows + row * row_bytes, nullptr);
  png_read_end(png, info);
  return true;
}

}  // namespace

bool read_png(const std::filesystem::path& path, PngPixels* image, std::string* error) {
  *image = PngPixels();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    *error = "cannot open " + path.string();
    return false;
  }
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
  bool read = info != nullptr && decode(file, png, info, image);
  if (read) {
    const size_t row_bytes = png_get_rowbytes(png, info);
    image->rows.resize(row_bytes * image->height);
    read = decode_rows(png, info, image->rows.data(), row_bytes, image->height);
  }
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(file);
  if (!read) *error = path.string() + " is no readable PNG file";
  return read;
}

std::string png_difference(const std::filesystem::path& a, const std::filesystem::path& b) {
  PngPixels first;
  PngPixels second;
  std::string error;
  if (!read_png(a, &first, &error) || !read_png(b, &second, &error)) return error;
  auto describe = [](const PngPixels& image) {
    return std::to_string(image.width) + "x" + std::to_string(image.height) + " depth " +
           std::to_string(image.bit_depth) + " colour type " + std::to_string(image.color_type);
  };
  if (describe(first) != describe(second)) return describe(first) + " against " + describe(second);
  if (first.rows != second.rows) return "the pixels differ";
  return "";
}

}  // namespace lexiweb::testing
