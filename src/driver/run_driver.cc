#include "driver/run_driver.h"

#include <cstdlib>

namespace lexiweb {

void run_driver() { std::exit(0); }

}  // namespace lexiweb
