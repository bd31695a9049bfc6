#include "platform/private_programs.h"

#include <unistd.h>

#include <filesystem>

namespace lexiweb {

std::string private_program(const std::string& name) {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "";
  for (const char* place : {"lib/lexiweb/", "../lib/lexiweb/"}) {
    const std::filesystem::path candidate = program.parent_path() / (place + name);
    if (access(candidate.c_str(), X_OK) == 0) return candidate.lexically_normal().string();
  }
  return "";
}

}  // namespace lexiweb
