// Runs programs as several processes at once, each job writing its own
// pages into one folder, and ends them all when one cannot be started or
// when the program is interrupted.
#ifndef LEXIWEB_SHELL_PROCESS_POOL_H_
#define LEXIWEB_SHELL_PROCESS_POOL_H_

#include <functional>
#include <string>
#include <vector>

namespace lexiweb {

// `path` as a program's operand: a path that begins with "-" would be
// taken for an option.
inline std::string as_operand(const std::string& path) {
  return path.starts_with('-') ? "./" + path : path;
}

// Consecutive pages of a document, from 1; both 0 for the whole document.
struct PageRange {
  int first = 0;
  int last = 0;
};

// One process: its program and arguments, and the pages it writes.
// `written_file` names the file whose appearance shows that it has written
// a page (given the page's number), for the progress; a job without one
// counts no pages. A job that `may_fail` writes what the run can do
// without: its failure is not reported.
struct ProcessJob {
  std::vector<std::string> arguments;
  PageRange pages;
  std::string (*written_file)(int page) = nullptr;
  bool may_fail = false;
};

// A job that failed and how.
struct JobFailure {
  size_t job = 0;
  bool started = true;  // false when the program could not be started
  int exit_status = 0;  // when it exited
  int signal = 0;       // the signal that ended it; 0 when it exited
  std::string message;  // the last line it wrote, empty when it wrote none
};

// What a caller may learn of each job as it runs: when it starts, and when
// it ends and whether it succeeded.
struct JobWatch {
  std::function<void(size_t job)> started;
  std::function<void(size_t job, bool succeeded)> ended;
};

// Runs the jobs in their order, at most `processes` at once, the next one as
// soon as one ends. Whatever the processes print is kept from the console,
// in files of `folder` while they run. While they run, `pages_written` is
// called with the number of pages written so far each time it grows. A job
// that fails ends no other: the failures of the jobs that may not fail are
// returned in the order of the jobs. When a program cannot be started, the
// jobs still running are ended and waited for, no other job starts, and its
// failure comes last. `watch` hears of each job that starts and ends.
std::vector<JobFailure> run_process_jobs(const std::vector<ProcessJob>& jobs, int processes,
                                         const std::string& folder,
                                         const std::function<void(int)>& pages_written,
                                         const JobWatch& watch = {});

// Ends the running processes and lets no other start: for a run that ends
// on a signal while another thread runs the jobs.
void end_processes_for_good();

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_PROCESS_POOL_H_
