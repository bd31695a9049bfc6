// The three pages written after the stage chain: the contents page, the
// about page and the all-words page, each written into htm_out.
#ifndef LEXIWEB_DRIVER_FINAL_PAGES_H_
#define LEXIWEB_DRIVER_FINAL_PAGES_H_

#include <string_view>

namespace lexiweb {

// The folder the final pages are written into.
inline constexpr std::string_view kOutputFolder = "htm_out/";

class RecordWriter;

// Also copies the converter's page images into htm_out.
void write_contents_page();
void write_about_page();
void write_all_words_page();

// Shared by the final pages.

// The fixed block that promotes the programs: 19 lines.
void write_promotion_block(RecordWriter& out);

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_FINAL_PAGES_H_
