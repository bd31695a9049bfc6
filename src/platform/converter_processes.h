// Runs the converter as several processes at once, each over its own page
// range, all writing into one folder, and ends them all when one fails or
// when the program is interrupted.
#ifndef LEXIWEB_PLATFORM_CONVERTER_PROCESSES_H_
#define LEXIWEB_PLATFORM_CONVERTER_PROCESSES_H_

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/converter_page.h"
#include "platform/page_ranges.h"

namespace lexiweb {

// One converter process: its program and arguments, and the pages it
// writes; first and last are 0 when it converts the whole document.
// `written_file` names the file whose appearance shows that it has
// written a page (given the page's number), for the progress.
// `path` as a program's operand: a path that begins with "-" would be
// taken for an option.
inline std::string as_operand(const std::string& path) {
  return path.starts_with('-') ? "./" + path : path;
}

// A job that `may_fail` writes what the run can do without: its failure
// ends no other job and is not reported.
struct ConverterJob {
  std::vector<std::string> arguments;
  PageRange pages;
  std::string (*written_file)(int page) = converter_page_file;
  bool may_fail = false;
};

// The first job that failed and how.
struct ConverterFailure {
  size_t job = 0;
  bool started = true;  // false when the program could not be started
  int exit_status = 0;  // when it exited
  int signal = 0;       // the signal that ended it; 0 when it exited
  std::string message;  // the last line it wrote, empty when it wrote none
};

// Runs the jobs in their order, at most `processes` at once, the next one as
// soon as one ends. Whatever the processes print is kept from the console.
// While they run, `pages_written` is called with the number of pages
// written so far each time it grows. When a job fails, the jobs still
// running are ended and waited for, no other job starts, and the failure is
// returned.
std::optional<ConverterFailure> run_converter_jobs(const std::vector<ConverterJob>& jobs,
                                                   int processes, const std::string& folder,
                                                   const std::function<void(int)>& pages_written);

// Ends the running converter processes and lets no other start: for a run
// that ends on a signal (ending_signals.h) while another thread runs the jobs.
void end_converter_processes_for_good();

}  // namespace lexiweb

#endif  // LEXIWEB_PLATFORM_CONVERTER_PROCESSES_H_
