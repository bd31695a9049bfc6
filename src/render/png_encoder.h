// PNG files of drawn page backgrounds, encoded for speed rather than size:
// a background is mostly white paper, which compresses well even so.
#ifndef LEXIWEB_RENDER_PNG_ENCODER_H_
#define LEXIWEB_RENDER_PNG_ENCODER_H_

#include <string>

#include "render/background_renderer.h"

namespace lexiweb {

// The bytes of a PNG file (8-bit RGB) holding `image`; false when libpng fails.
bool encode_png(const Background& image, std::string* bytes);

// Whether every pixel of `image` is white.
bool all_white(const Background& image);

}  // namespace lexiweb

#endif  // LEXIWEB_RENDER_PNG_ENCODER_H_
