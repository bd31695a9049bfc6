// Finds the programs lexiweb runs that are installed with it rather than on
// the PATH: lib/lexiweb/NAME beside the running program's folder (an install,
// the program in bin/) or in it (the build tree).
#ifndef LEXIWEB_PLATFORM_PRIVATE_PROGRAMS_H_
#define LEXIWEB_PLATFORM_PRIVATE_PROGRAMS_H_

#include <string>

namespace lexiweb {

// The path of the private program `name`, or empty when there is none.
std::string private_program(const std::string& name);

}  // namespace lexiweb

#endif  // LEXIWEB_PLATFORM_PRIVATE_PROGRAMS_H_
