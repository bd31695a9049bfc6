// The three pages written after the stage chain: the contents page, the
// about page and the all-words page, each copied into htm_out.
#ifndef LEXIWEB_DRIVER_FINAL_PAGES_H_
#define LEXIWEB_DRIVER_FINAL_PAGES_H_

namespace lexiweb {

// Also copies the converter's page images into htm_out.
void write_contents_page();
void write_about_page();
void write_all_words_page();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_FINAL_PAGES_H_
