#include "scan/extract_tags_and_words.h"

namespace lexiweb {

void extract_tags_and_words() {}

}  // namespace lexiweb
