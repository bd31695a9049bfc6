#include "platform/system_info.h"

#include <sched.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <fstream>

namespace lexiweb {

std::string os_name() {
  std::ifstream release("/etc/os-release");
  std::string line;
  const std::string key = "PRETTY_NAME=";
  while (std::getline(release, line)) {
    if (line.compare(0, key.size(), key) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    return value;
  }
  struct utsname names;
  return uname(&names) == 0 ? names.sysname : "";
}

std::string os_version() {
  struct utsname names;
  if (uname(&names) != 0) return "";
  return std::string(names.release) + " " + names.version;
}

int core_count() {
  // The cores the process is allowed on, which in a container may be fewer than the machine's.
  cpu_set_t allowed;
  if (sched_getaffinity(0, sizeof allowed, &allowed) == 0 && CPU_COUNT(&allowed) > 0) {
    return CPU_COUNT(&allowed);
  }
  long online = sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? static_cast<int>(online) : 1;
}

}  // namespace lexiweb
