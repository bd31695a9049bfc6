#include "common/complete_file.h"

#include <cstdio>

namespace lexiweb {

std::string partial_file(const std::string& path) { return path + ".part"; }

bool write_complete_file(const std::string& path, std::string_view bytes) {
  const std::string partial = partial_file(path);
  std::FILE* file = std::fopen(partial.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (std::fclose(file) != 0 || !written) {
    std::remove(partial.c_str());
    return false;
  }
  return std::rename(partial.c_str(), path.c_str()) == 0;
}

}  // namespace lexiweb
