// Compares PNG files by their images: same_pixels A B [A B ...] prints each
// pair that differs and why, and exits 1 when any does.
#include <cstdio>

#include "tools/png_pixels.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc % 2 != 1) {
    std::fputs("usage: same_pixels A.png B.png [A.png B.png ...]\n", stderr);
    return 2;
  }
  int differing = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string difference = lexiweb::testing::png_difference(argv[i], argv[i + 1]);
    if (difference.empty()) continue;
    std::printf("%s %s: %s\n", argv[i], argv[i + 1], difference.c_str());
    ++differing;
  }
  return differing == 0 ? 0 : 1;
}
