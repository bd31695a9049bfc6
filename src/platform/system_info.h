// What the system says about itself: the operating system's name and version,
// and the number of cores the program may use.
#ifndef LEXIWEB_PLATFORM_SYSTEM_INFO_H_
#define LEXIWEB_PLATFORM_SYSTEM_INFO_H_

#include <string>

namespace lexiweb {

// For example "Debian GNU/Linux 12 (bookworm)"; empty when the system does not say.
std::string os_name();
// For example "6.1.0-26-amd64 #1 SMP Debian 6.1.112-1"; empty when the system does not say.
std::string os_version();
// The cores this process may run on; at least 1.
int core_count();

}  // namespace lexiweb

#endif  // LEXIWEB_PLATFORM_SYSTEM_INFO_H_
