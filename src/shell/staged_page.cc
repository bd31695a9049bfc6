#include "shell/staged_page.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "shell/run_failure.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

std::string staged_page_name(long page) {
  return std::string(kStagedPagePrefix) + std::to_string(page) + std::string(kStagedPageSuffix);
}

void read_staged_page(long page, std::string* characters) {
  characters->clear();
  const std::string name = staged_page_name(page);
  int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return;
  if (fd < 0) fail_read(name, errno);
  struct stat info;
  if (::fstat(fd, &info) == 0 && info.st_size > 0) {
    characters->reserve(static_cast<size_t>(info.st_size));
  }
  char chunk[1 << 16];
  for (;;) {
    ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) fail_read(name, errno);
    if (got == 0) break;
    characters->append(chunk, static_cast<size_t>(got));
  }
  ::close(fd);
  characters->erase(std::remove(characters->begin(), characters->end(), '\0'), characters->end());
}

}  // namespace lexiweb
