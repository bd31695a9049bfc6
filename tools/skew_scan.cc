// Turns a gray page image (an 8-bit PGM file, as pdftoppm -gray writes it)
// by a few degrees about its middle, as a page lies askew on a scanner's
// glass: the image keeps its size, what turns in from outside is white
// paper, and each pixel is interpolated between its four neighbours.
//
// Usage: skew_scan DEGREES IN.pgm OUT.pgm  (positive DEGREES turn clockwise)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Gray {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  unsigned char at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 255;
    return pixels[static_cast<size_t>(y) * width + x];
  }
};

bool read_pgm(const char* path, Gray* image) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maximum = 0;
  if (!(in >> magic >> image->width >> image->height >> maximum) || magic != "P5" ||
      maximum != 255 || image->width <= 0 || image->height <= 0) {
    return false;
  }
  in.get();  // the one blank after the header
  image->pixels.resize(static_cast<size_t>(image->width) * image->height);
  return static_cast<bool>(
      in.read(reinterpret_cast<char*>(image->pixels.data()), image->pixels.size()));
}

bool write_pgm(const char* path, const Gray& image) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "P5\n" << image.width << ' ' << image.height << "\n255\n";
  out.write(reinterpret_cast<const char*>(image.pixels.data()), image.pixels.size());
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  char* end = nullptr;
  const double degrees = argc == 4 ? std::strtod(argv[1], &end) : 0;
  if (argc != 4 || *end != '\0') {
    std::fputs("usage: skew_scan DEGREES IN.pgm OUT.pgm\n", stderr);
    return 2;
  }
  Gray in;
  if (!read_pgm(argv[2], &in)) {
    std::fprintf(stderr, "skew_scan: %s is no 8-bit PGM file\n", argv[2]);
    return 1;
  }
  const double angle = degrees * M_PI / 180;
  const double cosine = std::cos(angle);
  const double sine = std::sin(angle);
  const double middle_x = in.width / 2.0;
  const double middle_y = in.height / 2.0;
  Gray out{in.width, in.height, std::vector<unsigned char>(in.pixels.size())};
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      // Where the turned pixel comes from: the turn backwards.
      const double dx = x + 0.5 - middle_x;
      const double dy = y + 0.5 - middle_y;
      const double from_x = middle_x + dx * cosine + dy * sine - 0.5;
      const double from_y = middle_y - dx * sine + dy * cosine - 0.5;
      const int left = static_cast<int>(std::floor(from_x));
      const int top = static_cast<int>(std::floor(from_y));
      const double fx = from_x - left;
      const double fy = from_y - top;
      const double value = (1 - fy) * ((1 - fx) * in.at(left, top) + fx * in.at(left + 1, top)) +
                           fy * ((1 - fx) * in.at(left, top + 1) + fx * in.at(left + 1, top + 1));
      out.pixels[static_cast<size_t>(y) * out.width + x] =
          static_cast<unsigned char>(std::lround(value));
    }
  }
  if (!write_pgm(argv[3], out)) {
    std::fprintf(stderr, "skew_scan: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
