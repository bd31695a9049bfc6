// The opening of the run: the banner, the key wait, the program's name, and
// the removal of what an earlier run left in htm_out and the working folder.
#ifndef LEXIWEB_DRIVER_STARTUP_H_
#define LEXIWEB_DRIVER_STARTUP_H_

namespace lexiweb {

void run_opening_sequence();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_STARTUP_H_
