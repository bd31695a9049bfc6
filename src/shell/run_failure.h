// How a run ends when the system refuses one of its writes or reads: one
// line on standard error naming the file and the system's reason, the run's
// scratch files removed, exit status 1. A run that goes on after a failed
// write would leave a corrupt site and report it as finished.
//
// The failure is thrown where it is met, as a RunFailure, and travels up to
// the program's main, which alone catches it and ends the run with
// end_failed_run(). Neither it nor RunEnding derives from std::exception, so
// that no handler meant for other errors can take either for its own.
//
// Files of the working folder are created through create_file(), behind one
// gate that an ending run shuts before it removes the scratch files, so that
// no file made during the removal can outlive it.
#ifndef LEXIWEB_SHELL_RUN_FAILURE_H_
#define LEXIWEB_SHELL_RUN_FAILURE_H_

#include <string>
#include <utility>

namespace lexiweb {

// A failure that ends the run, with the line that says why.
class RunFailure {
 public:
  explicit RunFailure(std::string line) : line_(std::move(line)) {}
  // "<program>: <reason>", without a line end.
  const std::string& line() const { return line_; }

 private:
  std::string line_;
};

// A run that ends before its work is done without a failure of the system:
// a screen that closes the run (status 0), or standard input that ends while
// the run waits for an answer (status 1, with a line). Its scratch files
// stay, as the screens leave them.
class RunEnding {
 public:
  explicit RunEnding(int status, std::string line = {}) : status_(status), line_(std::move(line)) {}
  int status() const { return status_; }
  // What goes on standard error, line ends included; empty for nothing.
  const std::string& line() const { return line_; }

 private:
  int status_;
  std::string line_;
};

// The name the failure line starts with ("lexiweb" unless set).
void set_program_name(const char* name);

// What an ending run removes; the driver installs it once the program works
// in its working folder, and no clean-up runs before that.
void set_run_cleanup(void (*cleanup)());

// Throws the RunFailure "<program>: cannot write <path>: <reason>".
[[noreturn]] void fail_write(const std::string& path, int error);
// The same for a file that cannot be read: "cannot read <path>: <reason>".
[[noreturn]] void fail_read(const std::string& path, int error);
// The same for a run that cannot go on for another reason: "<program>: <reason>".
[[noreturn]] void fail_run(const std::string& reason);

// For main, once a RunFailure reached it: whatever the run printed so far,
// then the failure's line on standard error, then the clean-up. Returns the
// exit status, 1. Waits for good instead when a signal is ending the run.
int end_failed_run(const RunFailure& failure);

// For main, once a RunEnding reached it: the output flushed and the
// ending's line written. Returns the ending's exit status.
int end_run_early(const RunEnding& ending);

// Opens `path` for writing from its start, creating it; the descriptor, or
// -1 with errno set.
int create_file(const std::string& path);

// For the files that other programs write into `folder` and that came out
// missing or unfinished, which those programs do not always say: fails the
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
// done, when main is already ending the run on a refused write or read.
bool clean_up_on_signal();

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_RUN_FAILURE_H_
