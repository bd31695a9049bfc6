// Learns the page count from pdfinfo, converts page ranges in processes of
// their own, one per core at a time, converts the pages of a range that
// failed again one at a time, and reshapes what they wrote into the pages
// and the index the run reads.
#include "convert/converter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "common/complete_file.h"
#include "common/text.h"
#include "convert/converter_page.h"
#include "convert/copied_text.h"
#include "convert/finished_output.h"
#include "convert/page_backgrounds.h"
#include "convert/page_ranges.h"
#include "convert/recognised_lines.h"
#include "convert/recognition.h"
#include "convert/recognition_script.h"
#include "convert/search_field.h"
#include "convert/wordless_page.h"
#include "platform/console.h"
#include "platform/system_info.h"
#include "shell/file_ops.h"
#include "shell/process_pool.h"
#include "shell/run_failure.h"
#include "shell/run_shell.h"
#include "typeset/font_folder.h"
#include "typeset/typesetting.h"

namespace lexiweb {
namespace {

// Exit statuses of pdftohtml that tell why it failed.
constexpr int kCannotOpenPdf = 1;
constexpr int kCannotWriteOutput = 2;
constexpr int kCopyingNotPermitted = 3;

// Digits with at most one decimal point, and not zero: what pdftohtml takes as zoom.
bool is_positive_decimal(std::string_view text) {
  bool seen_point = false;
  bool seen_nonzero_digit = false;
  for (char c : text) {
    if (c == '.' && !seen_point) {
      seen_point = true;
    } else if (c >= '0' && c <= '9') {
      if (c != '0') seen_nonzero_digit = true;
    } else {
      return false;
    }
  }
  return seen_nonzero_digit;
}

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

// The page count that pdfinfo reports for the document, or 0 when it
// cannot be learned.
int document_page_count(const std::string& pdf_file) {
  std::string report;
  if (run_for_output({"pdfinfo", as_operand(pdf_file)}, &report) != 0) return 0;
  constexpr std::string_view kPagesField = "Pages:";
  std::string_view rest(report);
  while (!rest.empty()) {
    std::string_view line = rest.substr(0, rest.find('\n'));
    rest.remove_prefix(std::min(rest.size(), line.size() + 1));
    if (!line.starts_with(kPagesField)) continue;
    const long count = whole_value(line.substr(kPagesField.size()));
    return count > 0 && count < 1'000'000'000 ? static_cast<int>(count) : 0;
  }
  return 0;
}

// Why the whole-document process failed, from its exit status.
std::string whole_document_failure(int status, const std::string& pdf_file,
                                   const std::string& output_folder) {
  switch (status) {
    case kCannotOpenPdf:
      return "pdftohtml could not open " + pdf_file +
             " (not a PDF, damaged, or protected by a password)";
    case kCannotWriteOutput:
      return "pdftohtml could not write its pages into " + output_folder;
    case kCopyingNotPermitted:
      return "pdftohtml refused " + pdf_file + ": the document does not permit copying its text";
    default:
      return "pdftohtml failed on " + pdf_file + " (exit status " + std::to_string(status) + ")";
  }
}

// The renderer's job over `pages`: the text drawn on them into the files
// drawn_text_file and drawn_pages_file name by its first page, and their
// background images as well when `images`.
ProcessJob renderer_job(const std::string& renderer, const std::string& zoom,
                        const std::string& pdf_file, const std::string& output_folder,
                        PageRange pages, bool images) {
  std::vector<std::string> arguments = {
      renderer,
      zoom,
      std::to_string(pages.first),
      std::to_string(pages.last),
      as_operand(pdf_file),
      as_operand(output_folder + "/" + drawn_text_file(pages.first)),
      as_operand(output_folder + "/" + drawn_pages_file(pages.first))};
  if (!images) return {arguments, {}, nullptr, true};
  arguments.push_back(as_operand(output_folder + "/" + std::string(kConverterPrefix)));
  return {arguments, pages, background_image_file};
}

// The files in which the renderer's jobs among `jobs` tell the text they saw
// drawn, the text in page order, and the fonts.
void add_drawn_files(const std::vector<ProcessJob>& jobs, const std::string& renderer,
                     const std::string& output_folder, std::vector<std::string>* text,
                     std::vector<std::string>* fonts) {
  std::vector<int> firsts;
  for (const ProcessJob& job : jobs) {
    if (!renderer.empty() && job.arguments.front() == renderer) {
      firsts.push_back(job.pages.first == 0 ? 1 : job.pages.first);
    }
  }
  std::sort(firsts.begin(), firsts.end());
  for (int first : firsts) {
    text->push_back(output_folder + "/" + drawn_text_file(first));
    fonts->push_back(output_folder + "/" + drawn_pages_file(first));
  }
}

// The jobs that convert `range`, each writing one file per page, a
// different file for each job. With a `renderer`, two jobs: pdftohtml -c -i
// writes the pages without their background images, which take most of
// pdftohtml's time, and the renderer draws those images (see
// page_backgrounds.h) and records the text. Without the renderer,
// pdftohtml -c writes both.
std::vector<ProcessJob> range_jobs(const std::string& zoom, const std::string& pdf_file,
                                   const std::string& output_folder, PageRange range,
                                   const std::string& renderer) {
  const std::string pdf = as_operand(pdf_file);
  const std::string prefix = as_operand(output_folder + "/" + std::string(kConverterPrefix));
  const std::string first = std::to_string(range.first);
  const std::string last = std::to_string(range.last);
  if (renderer.empty()) {
    return {{{"pdftohtml", "-q", "-c", "-zoom", zoom, "-f", first, "-l", last, pdf, prefix},
             range,
             converter_page_file}};
  }
  return {{{"pdftohtml", "-q", "-c", "-i", "-zoom", zoom, "-f", first, "-l", last, pdf, prefix},
           range,
           converter_page_file},
          renderer_job(renderer, zoom, pdf_file, output_folder, range, true)};
}

// With -c each page and its image come out the same whether the page is
// converted alone or with the whole document, so ranges can be converted
// apart. With a renderer, the ranges are cut as for half the processes,
// which keeps the number of jobs, since every process reads the document's
// structure anew. When the count is not known, one pdftohtml -c process
// converts the whole document, and the renderer records only the text,
// over every page there is.
std::vector<ProcessJob> conversion_jobs(const std::string& zoom, const std::string& pdf_file,
                                        const std::string& output_folder, int page_count,
                                        int processes, const std::string& renderer) {
  if (page_count == 0) {
    const std::string prefix = output_folder + "/" + std::string(kConverterPrefix);
    std::vector<ProcessJob> jobs = {
        {{"pdftohtml", "-q", "-c", "-zoom", zoom, as_operand(pdf_file), as_operand(prefix)},
         {},
         converter_page_file}};
    if (!renderer.empty()) {
      jobs.push_back(
          renderer_job(renderer, zoom, pdf_file, output_folder, {1, 1'000'000'000}, false));
    }
    return jobs;
  }
  const int sharing_processes = renderer.empty() ? processes : (processes + 1) / 2;
  std::vector<ProcessJob> jobs;
  for (PageRange range : page_ranges(page_count, sharing_processes, smallest_range())) {
    for (ProcessJob& job : range_jobs(zoom, pdf_file, output_folder, range, renderer)) {
      jobs.push_back(std::move(job));
    }
  }
  return jobs;
}

// Why a converter process failed, when it did not say so itself.
std::string range_failure_reason(const JobFailure& failure, const std::string& output_folder) {
  if (failure.signal != 0) return "it was ended by signal " + std::to_string(failure.signal);
  switch (failure.exit_status) {
    case kCannotOpenPdf:
      return "it could not open the document";
    case kCannotWriteOutput:
      return "it could not write its pages into " + output_folder;
    case kCopyingNotPermitted:
      return "the document does not permit copying its text";
    default:
      return "exit status " + std::to_string(failure.exit_status);
  }
}

std::string failure_line(const JobFailure& failure, const PageRange& pages,
                         const std::string& pdf_file, const std::string& output_folder) {
  if (!failure.started) {
    return "pdftohtml could not be started: install poppler-utils so that pdftohtml is on the "
           "PATH";
  }
  if (pages.first == 0) {
    if (!failure.message.empty()) return "pdftohtml failed on " + pdf_file + ": " + failure.message;
    if (failure.signal != 0) {
      return "pdftohtml failed on " + pdf_file + " (ended by signal " +
             std::to_string(failure.signal) + ")";
    }
    return whole_document_failure(failure.exit_status, pdf_file, output_folder);
  }
  const std::string page_names =
      pages.first == pages.last
          ? "page " + std::to_string(pages.first)
          : "pages " + std::to_string(pages.first) + " to " + std::to_string(pages.last);
  return "pdftohtml failed on " + page_names + " of " + pdf_file + ": " +
         (failure.message.empty() ? range_failure_reason(failure, output_folder) : failure.message);
}

std::string raw_page_path(const std::string& folder, int page) {
  return folder + "/" + converter_page_file(page);
}

std::string page_name(int page) { return "page" + std::to_string(page) + ".html"; }

// The line for page `page` that pdftohtml did not write, or did not finish
// for `reason`.
std::string unwritten_page_line(int page, const std::string& pdf_file,
                                const std::string& reason = "") {
  if (reason.empty()) return "pdftohtml wrote no page " + std::to_string(page) + " of " + pdf_file;
  return "pdftohtml did not finish page " + std::to_string(page) + " of " + pdf_file + ": " +
         reason;
}

// What became of a page after its range failed and it was converted alone.
struct PageOutcome {
  bool page_lost = false;        // its page is missing or unfinished: it shows empty
  bool background_lost = false;  // its page is there, its background image is not
};

// The page that stands in for a lost page: a page without words of its
// size, with its background when one was drawn for it; an image that
// stays unshown is deleted, so that no page image is left without its page.
std::string stand_in_page(const std::string& folder, int page, PagePixels size) {
  std::string html = wordless_page(page, size);
  const std::string image = folder + "/" + background_image_file(page);
  // The image of a page that could not be read shows nothing of it.
  if (!size.read || !image_is_finished(image) || !add_background_line(html, page)) {
    delete_file(image);
  }
  return html;
}

// The words of the pages that have none of their own: recognised on their
// scans, or in their invisible text layers.
struct WordlessPageWords {
  std::map<int, RecognizedPage> recognised;
  std::set<int> layered;
};

// Reshapes and typesets pages 1, 2, ... one page in memory at a time, up to
// `page_count` when it is known, else as long as pdftohtml wrote them: each
// page-N.html becomes pageN.html (see converter_page.h), with the line of
// its background image first when `backgrounds_rendered`, set in free faces
// with its fragments' widths (see typesetting.h), and with the search field
// (see search_field.h). The page images page001.png ... stay as written,
// since the pages refer to them by those names. The pages that `outcomes`
// (empty when every page came out) marks lost are stood in for, sized as
// `sizes` says, and those that lost their background go without it. The
// pages that `words` has words for get them over their pictures (see
// recognised_lines.h), and `words_laid` tells whether any page got some.
// Returns the number of pages, or -1 after a console line when a page is
// missing, could not be read or was not finished; a page that cannot be
// written ends the run.
int reshape_pages(const std::string& folder, int page_count, const std::string& pdf_file,
                  bool backgrounds_rendered, const std::vector<PageOutcome>& outcomes,
                  const std::vector<PagePixels>& sizes, const WordlessPageWords& words,
                  Typesetting& typesetting, bool* words_laid) {
  int page = 0;
  std::string raw;
  while (page_count == 0 ? file_exists(raw_page_path(folder, page + 1)) : page < page_count) {
    ++page;
    const std::string raw_path = raw_page_path(folder, page);
    const std::string page_path = folder + "/" + page_name(page);
    const PageOutcome outcome = outcomes.empty() ? PageOutcome() : outcomes[page - 1];
    if (outcome.page_lost) {
      raw = stand_in_page(folder, page, sizes[page - 1]);
    } else if (!file_exists(raw_path)) {
      print_line(unwritten_page_line(page, pdf_file));
      return -1;
    } else if (!read_whole_file(raw_path, &raw)) {
      print_line("The converted page " + raw_path + " could not be rewritten as " + page_path);
      return -1;
    } else if (outcome.background_lost) {
      delete_file(folder + "/" + background_image_file(page));
    } else if (backgrounds_rendered && !add_background_line(raw, page)) {
      print_line("pdftohtml wrote page " + std::to_string(page) + " of " + pdf_file +
                 " without the page start that its background image follows");
      return -1;
    }
    // Checked with its background line, so that the image it names is checked too.
    const std::string unfinished = unfinished_page_reason(raw, folder);
    if (!unfinished.empty()) {
      print_line(unwritten_page_line(page, pdf_file, unfinished));
      return -1;
    }
    std::string page_html = reshape_page(raw);
    std::vector<PlacedLine> lines;
    if (const auto found = words.recognised.find(page); found != words.recognised.end()) {
      lines = recognised_lines(found->second, page_width_of(page_html));
    } else if (words.layered.contains(page)) {
      lines = invisible_lines(typesetting.drawn_runs(page));
    }
    add_recognised_lines(page_html, lines);
    *words_laid = *words_laid || !lines.empty();
    typesetting.set_page(page_html, page);
    add_font_folder_script_at_end(page_html, kCopyScriptFile);
    add_search_field(page_html);
    write_whole_file(page_path, page_html);
    delete_file(raw_path);
  }
  return page;
}

// The index the run reads, in place of pdftohtml's frameset: one line per
// page, linking it; no other line names a page.
void write_index(const std::string& folder, int page_count) {
  std::string index =
      "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"UTF-8\">\r\n"
      "<title>Index</title>\r\n</head>\r\n<body>\r\n";
  for (int page = 1; page <= page_count; ++page) {
    index += "<a href=\"" + page_name(page) + "\">page" + std::to_string(page) + "</a><br>\r\n";
  }
  index += "</body>\r\n</html>\r\n";
  write_whole_file(folder + "/index.html", index);
}

// Removes pdftohtml's frameset and frame index, and keeps its outline, which
// it writes when the PDF has one, as outline.html, its bytes unchanged. Each
// process over a page range writes the whole document's outline to the same
// file, all of them the same bytes from the start, so once all have ended
// the file is whole. False when the outline cannot be kept.
bool tidy_converter_extras(const std::string& folder) {
  const std::string prefix = folder + "/" + std::string(kConverterPrefix);
  delete_file(prefix + ".html");
  delete_file(prefix + "_ind.html");
  const std::string outline = prefix + "-outline.html";
  return !file_exists(outline) ||
         std::rename(outline.c_str(), (folder + "/" + kOutlinePage).c_str()) == 0;
}

// Failures after which converting the pages one at a time cannot help:
// the program is missing, the document cannot be opened or its text may
// not be copied, or the output cannot be written.
bool fails_the_document(const JobFailure& failure) {
  return !failure.started || failure.exit_status == kCannotOpenPdf ||
         failure.exit_status == kCannotWriteOutput || failure.exit_status == kCopyingNotPermitted;
}

// True when `name`, the file of `folder` that a job writes for a page (the
// page or its image), is there and finished.
bool is_finished(const std::string& folder, const std::string& name) {
  const std::string path = folder + "/" + name;
  if (!name.ends_with(".html")) return image_is_finished(path);
  std::string page;
  return read_whole_file(path, &page) && unfinished_page_reason(page, folder).empty();
}

// The jobs over page ranges that failed: those the pool reports, and those
// that left a file of a page of their range missing or unfinished.
std::vector<size_t> failed_range_jobs(const std::vector<ProcessJob>& jobs,
                                      const std::vector<JobFailure>& failures,
                                      const std::string& folder) {
  std::vector<bool> failed(jobs.size(), false);
  for (const JobFailure& failure : failures) failed[failure.job] = true;
  std::vector<size_t> failed_jobs;
  for (size_t job = 0; job < jobs.size(); ++job) {
    const PageRange pages = jobs[job].pages;
    if (jobs[job].may_fail || pages.first == 0) continue;
    for (int page = pages.first; page <= pages.last && !failed[job]; ++page) {
      failed[job] = !is_finished(folder, jobs[job].written_file(page));
    }
    if (failed[job]) failed_jobs.push_back(job);
  }
  return failed_jobs;
}

// The `failed` jobs again, one page at a time, what they wrote deleted
// first. A job of a range differs from the others of its range by the file
// it writes. A job of one page has had its try.
std::vector<ProcessJob> one_page_jobs(const std::vector<ProcessJob>& jobs,
                                      const std::vector<size_t>& failed, const std::string& zoom,
                                      const std::string& pdf_file, const std::string& output_folder,
                                      const std::string& renderer) {
  std::vector<ProcessJob> retries;
  for (size_t job : failed) {
    const PageRange pages = jobs[job].pages;
    if (pages.first == pages.last) continue;
    if (!renderer.empty() && jobs[job].arguments.front() == renderer) {
      delete_file(output_folder + "/" + drawn_text_file(pages.first));
      delete_file(output_folder + "/" + drawn_pages_file(pages.first));
    }
    for (int page = pages.first; page <= pages.last; ++page) {
      delete_file(output_folder + "/" + jobs[job].written_file(page));
      for (ProcessJob& one : range_jobs(zoom, pdf_file, output_folder, {page, page}, renderer)) {
        if (one.written_file == jobs[job].written_file) retries.push_back(std::move(one));
      }
    }
  }
  return retries;
}

// What the `jobs` may have left half-written when some of them failed: a
// file of each of their pages under its temporary name.
void delete_partial_files(const std::vector<ProcessJob>& jobs, const std::string& output_folder) {
  for (const ProcessJob& job : jobs) {
    for (int page = job.pages.first; page <= job.pages.last; ++page) {
      delete_file(partial_file(output_folder + "/" + job.written_file(page)));
    }
  }
}

std::vector<PageOutcome> page_outcomes(const std::string& folder, int page_count,
                                       bool backgrounds_rendered) {
  std::vector<PageOutcome> outcomes(page_count);
  for (int page = 1; page <= page_count; ++page) {
    PageOutcome& outcome = outcomes[page - 1];
    outcome.page_lost = !is_finished(folder, converter_page_file(page));
    outcome.background_lost = backgrounds_rendered && !outcome.page_lost &&
                              !is_finished(folder, background_image_file(page));
  }
  return outcomes;
}

// Runs the converter processes, the progress on the console's current line
// while they work. A range job that fails, or leaves
// a page or an image missing or unfinished, runs again one page at a time,
// once the writes into the folder are known not to be refused (which ends
// the run); `outcomes` then tells what became of each page, and stays
// empty when every page came out. False after a console line when the
// conversion failed: a failure that the pages alone would meet as well, a
// document whose page count is unknown, or no page converted. The files in
// which the renderer told the text it saw drawn go to `drawn_text`, those
// of its fonts and pages to `drawn_pages` (see common/drawn_text.h).
bool convert_pages(const std::string& zoom, const std::string& pdf_file,
                   const std::string& output_folder, int page_count, const std::string& renderer,
                   std::vector<PageOutcome>* outcomes, std::vector<std::string>* drawn_text,
                   std::vector<std::string>* drawn_pages) {
  const int processes = core_count();
  const std::vector<ProcessJob> jobs =
      conversion_jobs(zoom, pdf_file, output_folder, page_count, processes, renderer);
  const std::string of_pages = " of " + std::to_string(page_count) + " pages";
  // With the renderer, a page is written twice: its text and its background.
  const bool rendering = page_count > 0 && !renderer.empty();
  const int writes_per_page = rendering ? 2 : 1;
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
      run_process_jobs(jobs, processes, output_folder, show_pages);
  const std::vector<size_t> failed = failed_range_jobs(jobs, failures, output_folder);
  if (failures.empty() && failed.empty()) {
    if (page_count > 0) console().show_progress("");
    add_drawn_files(jobs, renderer, output_folder, drawn_text, drawn_pages);
    return true;
  }
  // Without the page count, no job writes page by page.
  if (page_count > 0) delete_partial_files(jobs, output_folder);
  // First, since a write the system refused would fail the pages alone as well.
  fail_if_writes_refused(output_folder);
  // Without the page count there are no ranges to convert again.
  if (page_count == 0 || hopeless(failures) != failures.end()) {
    const JobFailure& failure = page_count == 0 ? failures.front() : *hopeless(failures);
    return fail_with(failure_line(failure, jobs[failure.job].pages, pdf_file, output_folder));
  }
  int writes_done = page_count * writes_per_page;
  for (size_t job : failed) writes_done -= jobs[job].pages.last - jobs[job].pages.first + 1;
  const std::vector<ProcessJob> retries =
      one_page_jobs(jobs, failed, zoom, pdf_file, output_folder, renderer);
  const std::vector<JobFailure> retry_failures = run_process_jobs(
      retries, processes, output_folder, [&](int writes) { show_pages(writes_done + writes); });
  delete_partial_files(retries, output_folder);
  fail_if_writes_refused(output_folder);
  if (hopeless(retry_failures) != retry_failures.end()) {
    const JobFailure& failure = *hopeless(retry_failures);
    return fail_with(failure_line(failure, retries[failure.job].pages, pdf_file, output_folder));
  }
  std::vector<ProcessJob> kept;
  for (size_t job = 0; job < jobs.size(); ++job) {
    const bool retried = std::find(failed.begin(), failed.end(), job) != failed.end() &&
                         jobs[job].pages.first != jobs[job].pages.last;
    if (!retried) kept.push_back(jobs[job]);
  }
  kept.insert(kept.end(), retries.begin(), retries.end());
  add_drawn_files(kept, renderer, output_folder, drawn_text, drawn_pages);
  *outcomes = page_outcomes(output_folder, page_count, rendering);
  if (std::all_of(outcomes->begin(), outcomes->end(),
                  [](const PageOutcome& outcome) { return outcome.page_lost; })) {
    if (!failures.empty()) {
      const JobFailure& failure = failures.front();
      return fail_with(failure_line(failure, jobs[failure.job].pages, pdf_file, output_folder));
    }
    std::string first_page;
    const std::string first_path = raw_page_path(output_folder, 1);
    if (!file_exists(first_path) || !read_whole_file(first_path, &first_page)) {
      return fail_with(unwritten_page_line(1, pdf_file));
    }
    return fail_with(
        unwritten_page_line(1, pdf_file, unfinished_page_reason(first_page, output_folder)));
  }
  console().show_progress("");
  return true;
}

// Turns what the converter wrote into the pages and the index the run reads.
bool finish_conversion(const std::string& zoom, const std::string& pdf_file,
                       const std::string& output_folder, int page_count, bool backgrounds_rendered,
                       const std::vector<PageOutcome>& outcomes, const WordlessPageWords& words,
                       Typesetting& typesetting) {
  // The sizes of the lost pages, and of the pages before them, whose size
  // a page that cannot be read takes.
  int last_lost = 0;
  for (int page = 1; page <= static_cast<int>(outcomes.size()); ++page) {
    if (outcomes[page - 1].page_lost) last_lost = page;
  }
  const std::vector<PagePixels> sizes =
      last_lost == 0 ? std::vector<PagePixels>() : page_sizes(pdf_file, last_lost, zoom);
  bool words_laid = false;
  const int pages = reshape_pages(output_folder, page_count, pdf_file, backgrounds_rendered,
                                  outcomes, sizes, words, typesetting, &words_laid);
  if (pages < 0) return false;
  if (words_laid) write_recognition_script(output_folder);
  if (!typesetting.finish()) {
    print_line("The fonts could not be written into " + output_folder + "/" + kFontFolder);
    return false;
  }
  write_into_font_folder(output_folder, kCopyScriptFile, kCopyScript);
  write_search_script(output_folder);
  if (!tidy_converter_extras(output_folder)) {
    print_line("The document outline in " + output_folder + " could not be kept");
    return false;
  }
  if (pages == 0) {
    print_line("pdftohtml wrote no pages for " + pdf_file);
    return false;
  }
  write_index(output_folder, pages);
  return true;
}

// The pages marked in `marked`, from 1: "page 13", "pages 13-17", "pages 2,
// 5 and 13-17", each run of consecutive pages joined.
std::string page_list(const std::vector<bool>& marked) {
  std::vector<std::string> runs;
  int marked_pages = 0;
  for (int page = 1; page <= static_cast<int>(marked.size()); ++page) {
    if (!marked[page - 1]) continue;
    int last = page;
    while (last < static_cast<int>(marked.size()) && marked[last]) ++last;
    runs.push_back(std::to_string(page) + (last > page ? "-" + std::to_string(last) : ""));
    marked_pages += last - page + 1;
    page = last;
  }
  std::string list = marked_pages == 1 ? "page " : "pages ";
  for (size_t run = 0; run < runs.size(); ++run) {
    if (run > 0) list += run + 1 == runs.size() ? " and " : ", ";
    list += runs[run];
  }
  return list;
}

// One line on standard error for the pages shown empty, and one for those
// shown without their background.
void report_lost_pages(const std::vector<PageOutcome>& outcomes, const std::string& pdf_file) {
  std::vector<bool> lost;
  std::vector<bool> without_background;
  for (const PageOutcome& outcome : outcomes) {
    lost.push_back(outcome.page_lost);
    without_background.push_back(outcome.background_lost);
  }
  const auto count = [](const std::vector<bool>& marked) {
    return std::count(marked.begin(), marked.end(), true);
  };
  if (count(lost) > 0) {
    std::cerr << "lexiweb: " << page_list(lost) << " of " << pdf_file
              << " could not be converted; the site shows " << (count(lost) == 1 ? "it" : "them")
              << " empty" << std::endl;
  }
  if (count(without_background) > 0) {
    const bool one = count(without_background) == 1;
    std::cerr << "lexiweb: the background" << (one ? "" : "s") << " of "
              << page_list(without_background) << " of " << pdf_file
              << " could not be drawn; the site shows " << (one ? "the page" : "the pages")
              << " without " << (one ? "it" : "them") << std::endl;
  }
}

// One line on standard error for the scanned pages whose recognition
// failed, and one when `unread_scans` pages look scanned but no recogniser
// is installed.
void report_unread_pages(const std::vector<int>& unrecognised, size_t unread_scans, int page_count,
                         const std::string& pdf_file) {
  if (!unrecognised.empty()) {
    std::vector<bool> marked(page_count, false);
    for (int page : unrecognised) marked[page - 1] = true;
    std::cerr << "lexiweb: " << page_list(marked) << " of " << pdf_file
              << " could not be recognised; the site shows "
              << (unrecognised.size() == 1 ? "its scan" : "their scans") << " without words"
              << std::endl;
  }
  if (unread_scans > 0) {
    std::cerr << "lexiweb: " << unread_scans << (unread_scans == 1 ? " page" : " pages") << " of "
              << pdf_file << (unread_scans == 1 ? " looks" : " look")
              << " scanned; installing tesseract-ocr would read "
              << (unread_scans == 1 ? "its" : "their") << " words" << std::endl;
  }
}

}  // namespace

bool run_converter(const std::string& magnification, const std::string& pdf_file,
                   const std::string& output_folder) {
  // A blank typed after the number would make pdftohtml refuse the zoom.
  const std::string zoom(trim_blanks(magnification));
  if (!is_positive_decimal(zoom)) {
    print_line("The magnification factor must be a number such as 1.5, not \"" + magnification +
               "\": nothing was converted");
    return false;
  }
  if (!folder_exists(output_folder)) make_folder(output_folder);
  // 0 when pdfinfo cannot tell: one process then converts the whole document.
  const int page_count = document_page_count(pdf_file);
  const std::string renderer = background_renderer();
  const std::string recognizer = recognizer_program();
  const std::string languages = recognition_languages();
  if (!recognizer.empty()) check_recognition_languages(recognizer, languages);
  std::vector<PageOutcome> outcomes;
  std::vector<std::string> drawn_text;
  std::vector<std::string> drawn_pages_files;
  bool converted = convert_pages(zoom, pdf_file, output_folder, page_count, renderer, &outcomes,
                                 &drawn_text, &drawn_pages_files);
  DrawnPages drawn;
  for (const std::string& file : drawn_pages_files) {
    read_drawn_pages(file, &drawn);
    delete_file(file);
  }
  const bool rendered = page_count > 0 && !renderer.empty();
  WordlessPageWords words;
  std::vector<int> unrecognised;
  size_t unread_scans = 0;
  if (converted && rendered) {
    std::vector<bool> lost;
    for (const PageOutcome& outcome : outcomes) lost.push_back(outcome.page_lost);
    const WordlessPages wordless = wordless_pages(drawn.pages, output_folder, lost);
    words.layered.insert(wordless.layered.begin(), wordless.layered.end());
    if (!wordless.scanned.empty() && recognizer.empty()) unread_scans = wordless.scanned.size();
    if (!wordless.scanned.empty() && !recognizer.empty()) {
      words.recognised = recognise_pages(recognizer, languages, pdf_file, output_folder,
                                         wordless.scanned, &unrecognised);
      // A recogniser whose writes were refused fails for every page alike.
      if (!unrecognised.empty()) fail_if_writes_refused(output_folder);
    }
  }
  if (converted) {
    Typesetting typesetting(output_folder, std::move(drawn_text), drawn.fonts);
    converted = finish_conversion(zoom, pdf_file, output_folder, page_count, rendered, outcomes,
                                  words, typesetting);
  }
  if (!converted) {
    // Nothing of a failed conversion stays to be taken for a document.
    delete_matching(output_folder, "*");
    delete_matching(output_folder + "/" + kFontFolder, "*");
    remove_empty_folder(output_folder + "/" + kFontFolder);
    return false;
  }
  report_lost_pages(outcomes, pdf_file);
  report_unread_pages(unrecognised, unread_scans, page_count, pdf_file);
  return true;
}

}  // namespace lexiweb
