// Stages the converter's pages in the working folder and turns them into the
// page character list htm.txt (one record per byte) and its sorted form htms.txt.
#ifndef LEXIWEB_DRIVER_PAGE_STAGING_H_
#define LEXIWEB_DRIVER_PAGE_STAGING_H_

#include <string>

namespace lexiweb {

// Makes htm_in and htm_out when missing and removes staged pages of earlier runs.
void prepare_staging();

// Copies every converter page to w_<i>.htm; ends the run on a failed copy.
void stage_pages();

// Writes the character records of the staged pages 1 to page_count into `list`.
void write_character_list(int page_count, const std::string& list);

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_PAGE_STAGING_H_
