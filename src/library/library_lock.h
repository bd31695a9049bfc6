// One run at a time on a library: a lock on a file of its state folder,
// held until the process ends, and the working folders the run removes
// when it ends early.
#ifndef LEXIWEB_LIBRARY_LIBRARY_LOCK_H_
#define LEXIWEB_LIBRARY_LIBRARY_LOCK_H_

#include <string>

namespace lexiweb {

// Makes LIBRARY and its state folder when missing and takes the lock.
// Ends the run with status 1 when LIBRARY cannot be written or another run
// holds it, saying so in one line.
void lock_library(const std::string& library);

// A folder of this run's own, removed by remove_run_folders().
void add_run_folder(const std::string& path);

// For a run that ends early: waits for pages being put in place
// (library_commit.h), then removes the run's folders.
void remove_run_folders();

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_LIBRARY_LOCK_H_
