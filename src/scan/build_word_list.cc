#include "scan/build_word_list.h"

namespace lexiweb {

void build_word_list() {}

}  // namespace lexiweb
