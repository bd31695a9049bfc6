// The whole run, from the banner to the results screen.
#ifndef LEXIWEB_DRIVER_RUN_DRIVER_H_
#define LEXIWEB_DRIVER_RUN_DRIVER_H_

#include <functional>

namespace lexiweb {

// Everything after the conversion: staging, the stage chain, the final pages
// and the clean-up of the scratch files. Needs g_run.page_count, page_stems
// and target_site. `before_clean_up`, when given, runs after the final pages,
// while the scratch files are still there.
void build_site_from_converted_pages(const std::function<void()>& before_clean_up = {});

// Runs the job in the current folder, from the banner to the results
// screen; a screen that closes the run earlier throws a RunEnding.
void run_driver();

// The one place where a run ends that a failure or a closing screen cut
// short (shell/run_failure.h): runs `run` and returns the exit status for
// main, 0 when it came to its end.
int run_to_its_end(const std::function<void()>& run);

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_RUN_DRIVER_H_
