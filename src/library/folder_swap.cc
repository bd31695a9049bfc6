#include "library/folder_swap.h"

#include <fcntl.h>
#include <stdio.h>

#include <cerrno>
#include <filesystem>

#include "shell/run_failure.h"

namespace lexiweb {

void move_into_place(const std::string& source, const std::string& target) {
  if (::rename(source.c_str(), target.c_str()) == 0) return;
  if (errno != EEXIST && errno != ENOTEMPTY) fail_write(target, errno);
  if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0) {
    fail_write(target, errno);
  }
  std::error_code ignored;
  std::filesystem::remove_all(source, ignored);
}

}  // namespace lexiweb
