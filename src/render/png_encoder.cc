// No row filter and zlib's run-length strategy: choosing filters row by row
// and searching for distant matches take most of pdftohtml's time, while a
// background is mostly runs of one colour, which runs alone compress to
// about a third of the size that zlib's fastest level reaches in the same time.
#include "render/png_encoder.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>

namespace lexiweb {
namespace {

void append_bytes(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))
      ->append(reinterpret_cast<const char*>(data), length);
}

void no_flush(png_structp) {}

// libpng reports its errors through longjmp, so this function holds no
// object with a destructor.
bool write_image(png_structp png, png_infop info, const Background& image) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_strategy(png, Z_RLE);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_write_info(png, info);
  for (int row = 0; row < image.height; ++row) {
    png_write_row(png, image.pixels + row * image.row_size);
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool encode_png(const Background& image, std::string* bytes) {
  bytes->clear();
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  png_set_write_fn(png, bytes, append_bytes, no_flush);
  const bool written = write_image(png, info, image);
  png_destroy_write_struct(&png, &info);
  return written;
}

bool all_white(const Background& image) {
  const std::ptrdiff_t row_bytes = std::ptrdiff_t{3} * image.width;
  for (int row = 0; row < image.height; ++row) {
    const unsigned char* start = image.pixels + row * image.row_size;
    if (!std::all_of(start, start + row_bytes, [](unsigned char byte) { return byte == 255; })) {
      return false;
    }
  }
  return true;
}

}  // namespace lexiweb
