// The whole run, from the banner to the results screen.
#ifndef LEXIWEB_DRIVER_RUN_DRIVER_H_
#define LEXIWEB_DRIVER_RUN_DRIVER_H_

namespace lexiweb {

// Everything after the conversion: staging, the stage chain, the final pages
// and the clean-up of the scratch files. Needs g_run.page_count, page_stems
// and target_site.
void build_site_from_converted_pages();

// Runs the job in the current folder and ends the process.
[[noreturn]] void run_driver();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_RUN_DRIVER_H_
