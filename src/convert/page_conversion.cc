// With the renderer a page is written twice, its text and its background,
// so the progress counts half a page for each.
#include "convert/page_conversion.h"

#include <algorithm>

#include "convert/conversion_report.h"
#include "convert/converter_jobs.h"
#include "convert/converter_page.h"
#include "convert/finished_output.h"
#include "platform/console.h"
#include "shell/file_ops.h"
#include "shell/run_failure.h"

namespace lexiweb {

bool convert_pages(const Conversion& conversion, ConvertedPages* converted) {
  const int page_count = conversion.page_count;
  const std::vector<ProcessJob> jobs = conversion_jobs(conversion);
  const std::string of_pages = " of " + std::to_string(page_count) + " pages";
  const int writes_per_page = conversion.rendering() ? 2 : 1;
  auto show_pages = [&](int writes) {
    if (page_count > 0) {
      console().show_progress("converting: " + std::to_string(writes / writes_per_page) + of_pages);
    }
  };
  auto fail_with = [&](const std::string& line) {
    if (page_count > 0) console().show_progress("");
    print_line(line);
    return false;
  };
  auto hopeless = [](const std::vector<JobFailure>& failures) {
    return std::find_if(failures.begin(), failures.end(), fails_the_document);
  };
  show_pages(0);
  const std::vector<JobFailure> failures =
      run_process_jobs(jobs, conversion.processes, conversion.folder, show_pages);
  const std::vector<size_t> failed = failed_range_jobs(conversion, jobs, failures);
  if (failures.empty() && failed.empty()) {
    if (page_count > 0) console().show_progress("");
    add_drawn_files(conversion, jobs, converted);
    return true;
  }
  // Without the page count, no job writes page by page.
  if (page_count > 0) delete_partial_files(conversion, jobs);
  // First, since a write the system refused would fail the pages alone as well.
  fail_if_writes_refused(conversion.folder);
  // Without the page count there are no ranges to convert again.
  if (page_count == 0 || hopeless(failures) != failures.end()) {
    const JobFailure& failure = page_count == 0 ? failures.front() : *hopeless(failures);
    return fail_with(failure_line(conversion, failure, jobs[failure.job].pages));
  }
  int writes_done = page_count * writes_per_page;
  for (size_t job : failed) writes_done -= jobs[job].pages.last - jobs[job].pages.first + 1;
  const std::vector<ProcessJob> retries = one_page_jobs(conversion, jobs, failed);
  const std::vector<JobFailure> retry_failures =
      run_process_jobs(retries, conversion.processes, conversion.folder,
                       [&](int writes) { show_pages(writes_done + writes); });
  delete_partial_files(conversion, retries);
  fail_if_writes_refused(conversion.folder);
  if (hopeless(retry_failures) != retry_failures.end()) {
    const JobFailure& failure = *hopeless(retry_failures);
    return fail_with(failure_line(conversion, failure, retries[failure.job].pages));
  }
  std::vector<ProcessJob> kept;
  for (size_t job = 0; job < jobs.size(); ++job) {
    const bool retried = std::find(failed.begin(), failed.end(), job) != failed.end() &&
                         jobs[job].pages.first != jobs[job].pages.last;
    if (!retried) kept.push_back(jobs[job]);
  }
  kept.insert(kept.end(), retries.begin(), retries.end());
  add_drawn_files(conversion, kept, converted);
  converted->outcomes = page_outcomes(conversion);
  const std::vector<PageOutcome>& outcomes = converted->outcomes;
  if (std::all_of(outcomes.begin(), outcomes.end(),
                  [](const PageOutcome& outcome) { return outcome.page_lost; })) {
    if (!failures.empty()) {
      const JobFailure& failure = failures.front();
      return fail_with(failure_line(conversion, failure, jobs[failure.job].pages));
    }
    std::string first_page;
    const std::string first_path = conversion.path(converter_page_file(1));
    if (!file_exists(first_path) || !read_whole_file(first_path, &first_page)) {
      return fail_with(unwritten_page_line(conversion, 1));
    }
    return fail_with(
        unwritten_page_line(conversion, 1, unfinished_page_reason(first_page, conversion.folder)));
  }
  console().show_progress("");
  return true;
}

}  // namespace lexiweb
