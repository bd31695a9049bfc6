// The whole run, from the banner to the results screen.
#ifndef LEXIWEB_DRIVER_RUN_DRIVER_H_
#define LEXIWEB_DRIVER_RUN_DRIVER_H_

namespace lexiweb {

// Runs the job in the current folder and ends the process.
[[noreturn]] void run_driver();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_RUN_DRIVER_H_
