// Stages the converter's pages in the working folder, where the stages read
// them one page at a time.
#ifndef LEXIWEB_DRIVER_PAGE_STAGING_H_
#define LEXIWEB_DRIVER_PAGE_STAGING_H_

#include <string>

namespace lexiweb {

// Makes htm_in and htm_out when missing and removes staged pages of earlier runs.
void prepare_staging();

// Copies every converter page to w_<i>.htm; ends the run on a failed copy.
void stage_pages();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_PAGE_STAGING_H_
