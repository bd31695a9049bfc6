#include "annotate/assemble_pages.h"

namespace lexiweb {

void assemble_pages() {}

}  // namespace lexiweb
