// How a run ends when the system refuses one of its writes or reads: one
// line on standard error naming the file and the system's reason, the run's
// scratch files removed, exit status 1. A run that goes on after a failed
// write would leave a corrupt site and report it as finished.
//
// Files of the working folder are created through create_file(), behind one
// gate that an ending run shuts before it removes the scratch files, so that
// no file made during the removal can outlive it.
#ifndef LEXIWEB_SHELL_RUN_FAILURE_H_
#define LEXIWEB_SHELL_RUN_FAILURE_H_

#include <string>

namespace lexiweb {

// The name the failure line starts with ("lexiweb" unless set).
void set_program_name(const char* name);

// What an ending run removes; the driver installs it once the program works
// in its working folder, and no clean-up runs before that.
void set_run_cleanup(void (*cleanup)());

// "<program>: cannot write <path>: <reason>", the clean-up, exit status 1.
[[noreturn]] void fail_write(const std::string& path, int error);
// The same for a file that cannot be read: "cannot read <path>: <reason>".
[[noreturn]] void fail_read(const std::string& path, int error);
// The same for a run that cannot go on for another reason: "<program>: <reason>".
[[noreturn]] void fail_run(const std::string& reason);

// Opens `path` for writing from its start, creating it; the descriptor, or
// -1 with errno set.
int create_file(const std::string& path);

// For the files that other programs write into `folder` and that came out
// missing or unfinished, which those programs do not always say: ends the
// run as fail_write() does when the system refused their writes, that is
// when a file of the folder has reached the file size limit, or when the
// folder no longer takes a probe write (a full disk, a quota, a folder that
// may not be written). Returns when it takes the writes.
void fail_if_writes_refused(const std::string& folder);

// For a run that ends on a signal, while the rest of the program may still
// be working: shuts the gate of create_file() for good and runs the
// clean-up. From then on the rest of the program can no longer end the
// process its own way: a failure it meets in the files the clean-up
// removes, an uncaught exception or a normal exit waits for the caller to
// end it, so that the exit status stays the signal's. False, and nothing
// done, when a refused write or read is already ending the run.
bool clean_up_on_signal();

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_RUN_FAILURE_H_
