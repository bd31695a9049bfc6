#include "common/run_values.h"

namespace lexiweb {

RunValues g_run;

const std::string& page_stem(long page) {
  static const std::string empty;
  if (page < 1 || page >= static_cast<long>(g_run.page_stems.size())) return empty;
  return g_run.page_stems[page];
}

}  // namespace lexiweb
