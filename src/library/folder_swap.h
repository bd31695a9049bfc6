// A document's folder put in place in one step, so that a reader sees the
// old site or the new one, never a mixture or none.
#ifndef LEXIWEB_LIBRARY_FOLDER_SWAP_H_
#define LEXIWEB_LIBRARY_FOLDER_SWAP_H_

#include <string>

namespace lexiweb {

// Renames the folder `source` to `target`; where a folder `target` is
// there already, the two are exchanged atomically and the old one removed.
// A refused rename ends the run (shell/run_failure.h).
void move_into_place(const std::string& source, const std::string& target);

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_FOLDER_SWAP_H_
