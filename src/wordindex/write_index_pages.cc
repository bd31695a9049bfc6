#include "wordindex/write_index_pages.h"

namespace lexiweb {

void write_index_pages() {}

}  // namespace lexiweb
