// The checks before the input is touched: the operating system, the four
// platform tools, then the font advice and program information screens.
#ifndef LEXIWEB_DRIVER_ENVIRONMENT_CHECKS_H_
#define LEXIWEB_DRIVER_ENVIRONMENT_CHECKS_H_

#include <string>

namespace lexiweb {

void run_environment_checks();

// Writes the system-information line that contains `item` ("os name" or
// "os version", compared without regard to case) into `capture`.
void capture_system_information(const std::string& item, const std::string& capture);

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_ENVIRONMENT_CHECKS_H_
