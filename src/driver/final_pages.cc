#include "driver/final_pages.h"

namespace lexiweb {

void write_contents_page() {}
void write_about_page() {}
void write_all_words_page() {}

}  // namespace lexiweb
