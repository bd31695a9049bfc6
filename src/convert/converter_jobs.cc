// With -c each page and its image come out the same whether the page is
// converted alone or with the whole document, so ranges can be converted
// apart. With a renderer, the ranges are cut as for half the processes,
// which keeps the number of jobs, since every process reads the document's
// structure anew.
#include "convert/converter_jobs.h"

#include <algorithm>
#include <cstdlib>

#include "common/complete_file.h"
#include "common/converter_files.h"
#include "common/text.h"
#include "convert/converter_page.h"
#include "convert/finished_output.h"
#include "convert/page_backgrounds.h"
#include "convert/page_ranges.h"
#include "shell/file_ops.h"

namespace lexiweb {
namespace {

// The fewest pages a process is given. Starting pdftohtml costs about as
// much as converting two or three pages, since each process reads the
// document's structure anew; eight pages keep that below a third even for
// the small ranges at the end. Tests and measurements set it through
// LEXIWEB_CONVERTER_MIN_RANGE.
constexpr int kSmallestRange = 8;

int smallest_range() {
  const char* setting = std::getenv("LEXIWEB_CONVERTER_MIN_RANGE");
  const long value = setting == nullptr ? 0 : whole_value(setting);
  return value > 0 ? static_cast<int>(value) : kSmallestRange;
}

bool is_renderer_job(const Conversion& conversion, const ProcessJob& job) {
  return !conversion.renderer.empty() && job.arguments.front() == conversion.renderer;
}

// The renderer's job over `pages`: the text drawn on them and their
// structure into the files drawn_text_file, drawn_pages_file and
// drawn_structure_file name by its first page, and their
// background images as well when `images`.
ProcessJob renderer_job(const Conversion& conversion, PageRange pages, bool images) {
  std::vector<std::string> arguments = {conversion.renderer,
                                        conversion.zoom,
                                        std::to_string(pages.first),
                                        std::to_string(pages.last),
                                        as_operand(conversion.pdf_file),
                                        as_operand(conversion.path(drawn_text_file(pages.first))),
                                        as_operand(conversion.path(drawn_pages_file(pages.first))),
                                        as_operand(conversion.path(drawn_structure_file(pages.first)))};
  if (!images) return {arguments, {}, nullptr, true};
  arguments.push_back(as_operand(conversion.path(std::string(kConverterPrefix))));
  return {arguments, pages, background_image_file};
}

// The jobs that convert `range` (see conversion_jobs).
std::vector<ProcessJob> range_jobs(const Conversion& conversion, PageRange range) {
  const std::string pdf = as_operand(conversion.pdf_file);
  const std::string prefix = as_operand(conversion.path(std::string(kConverterPrefix)));
  const std::string first = std::to_string(range.first);
  const std::string last = std::to_string(range.last);
  const std::string& zoom = conversion.zoom;
  if (conversion.renderer.empty()) {
    return {{{"pdftohtml", "-q", "-c", "-zoom", zoom, "-f", first, "-l", last, pdf, prefix},
             range,
             converter_page_file}};
  }
  return {{{"pdftohtml", "-q", "-c", "-i", "-zoom", zoom, "-f", first, "-l", last, pdf, prefix},
           range,
           converter_page_file},
          renderer_job(conversion, range, true)};
}

}  // namespace

std::vector<ProcessJob> conversion_jobs(const Conversion& conversion) {
  if (conversion.page_count == 0) {
    const std::string prefix = conversion.path(std::string(kConverterPrefix));
    std::vector<ProcessJob> jobs = {{{"pdftohtml", "-q", "-c", "-zoom", conversion.zoom,
                                      as_operand(conversion.pdf_file), as_operand(prefix)},
                                     {},
                                     converter_page_file}};
    if (!conversion.renderer.empty()) {
      jobs.push_back(renderer_job(conversion, {1, 1'000'000'000}, false));
    }
    return jobs;
  }
  const int sharing_processes =
      conversion.renderer.empty() ? conversion.processes : (conversion.processes + 1) / 2;
  std::vector<ProcessJob> jobs;
  for (PageRange range : page_ranges(conversion.page_count, sharing_processes, smallest_range())) {
    for (ProcessJob& job : range_jobs(conversion, range)) jobs.push_back(std::move(job));
  }
  return jobs;
}

std::vector<size_t> failed_range_jobs(const Conversion& conversion,
                                      const std::vector<ProcessJob>& jobs,
                                      const std::vector<JobFailure>& failures) {
  std::vector<bool> failed(jobs.size(), false);
  for (const JobFailure& failure : failures) failed[failure.job] = true;
  std::vector<size_t> failed_jobs;
  for (size_t job = 0; job < jobs.size(); ++job) {
    const PageRange pages = jobs[job].pages;
    if (jobs[job].may_fail || pages.first == 0) continue;
    for (int page = pages.first; page <= pages.last && !failed[job]; ++page) {
      failed[job] = !is_finished(conversion.folder, jobs[job].written_file(page));
    }
    if (failed[job]) failed_jobs.push_back(job);
  }
  return failed_jobs;
}

// A job of a range differs from the others of its range by the file it
// writes.
std::vector<ProcessJob> one_page_jobs(const Conversion& conversion,
                                      const std::vector<ProcessJob>& jobs,
                                      const std::vector<size_t>& failed) {
  std::vector<ProcessJob> retries;
  for (size_t job : failed) {
    const PageRange pages = jobs[job].pages;
    if (pages.first == pages.last) continue;
    if (is_renderer_job(conversion, jobs[job])) {
      delete_file(conversion.path(drawn_text_file(pages.first)));
      delete_file(conversion.path(drawn_pages_file(pages.first)));
      delete_file(conversion.path(drawn_structure_file(pages.first)));
    }
    for (int page = pages.first; page <= pages.last; ++page) {
      delete_file(conversion.path(jobs[job].written_file(page)));
      for (ProcessJob& one : range_jobs(conversion, {page, page})) {
        if (one.written_file == jobs[job].written_file) retries.push_back(std::move(one));
      }
    }
  }
  return retries;
}

void delete_partial_files(const Conversion& conversion, const std::vector<ProcessJob>& jobs) {
  for (const ProcessJob& job : jobs) {
    for (int page = job.pages.first; page <= job.pages.last; ++page) {
      delete_file(partial_file(conversion.path(job.written_file(page))));
    }
  }
}

void add_drawn_files(const Conversion& conversion, const std::vector<ProcessJob>& jobs,
                     ConvertedPages* converted) {
  std::vector<int> firsts;
  for (const ProcessJob& job : jobs) {
    if (is_renderer_job(conversion, job))
      firsts.push_back(job.pages.first == 0 ? 1 : job.pages.first);
  }
  std::sort(firsts.begin(), firsts.end());
  for (int first : firsts) {
    converted->drawn_text.push_back(conversion.path(drawn_text_file(first)));
    converted->drawn_pages.push_back(conversion.path(drawn_pages_file(first)));
    converted->drawn_structure.push_back(conversion.path(drawn_structure_file(first)));
  }
}

}  // namespace lexiweb
