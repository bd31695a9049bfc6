#include "platform/converter.h"

namespace lexiweb {

bool run_converter(const std::string&, const std::string&, const std::string&) { return false; }

}  // namespace lexiweb
