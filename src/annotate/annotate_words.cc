#include "annotate/annotate_words.h"

namespace lexiweb {

void annotate_words() {}

}  // namespace lexiweb
