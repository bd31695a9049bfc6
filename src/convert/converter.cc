// Learns the page count from pdfinfo, converts page ranges in processes of
// their own, one per core at a time, and reshapes what they wrote into the
// pages and the index the run reads.
#include "convert/converter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

#include "common/text.h"
#include "convert/converter_page.h"
#include "convert/finished_output.h"
#include "convert/page_backgrounds.h"
#include "convert/page_ranges.h"
#include "convert/search_field.h"
#include "platform/console.h"
#include "platform/system_info.h"
#include "shell/file_ops.h"
#include "shell/process_pool.h"
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

// The converter's processes, and the files in which the renderer's tell
// the text they saw drawn: the text of the ranges in page order, and the
// fonts.
struct ConversionJobs {
  std::vector<ProcessJob> jobs;
  std::vector<std::string> drawn_text;
  std::vector<std::string> drawn_fonts;
};

// The renderer's job over `pages`: the text drawn on them, and their
// background images as well when `images`.
void add_renderer_job(ConversionJobs& conversion, const std::string& renderer,
                      const std::string& zoom, const std::string& pdf,
                      const std::string& output_folder, PageRange pages, bool images) {
  const std::string text = output_folder + "/" + drawn_text_file(pages.first);
  const std::string fonts = output_folder + "/" + drawn_fonts_file(pages.first);
  std::vector<std::string> arguments = {renderer,
                                        zoom,
                                        std::to_string(pages.first),
                                        std::to_string(pages.last),
                                        pdf,
                                        as_operand(text),
                                        as_operand(fonts)};
  if (images) {
    arguments.push_back(as_operand(output_folder + "/" + std::string(kConverterPrefix)));
    conversion.jobs.push_back({arguments, pages, background_image_file});
  } else {
    conversion.jobs.push_back({arguments, {}, nullptr, true});
  }
  conversion.drawn_text.push_back(text);
  conversion.drawn_fonts.push_back(fonts);
}

// With -c each page and its image come out the same whether the page is
// converted alone or with the whole document, so ranges can be converted
// apart. With a `renderer`, two jobs a range: pdftohtml -c -i writes the
// pages without their background images, which take most of pdftohtml's
// time, and the renderer draws those images (see page_backgrounds.h) and
// records the text. The ranges are then cut as for half the processes,
// which keeps the number of jobs, since every process reads the document's
// structure anew. Without the renderer, pdftohtml -c writes both; when the
// count is not known, one pdftohtml -c process converts the whole document,
// and the renderer records only the text, over every page there is.
ConversionJobs conversion_jobs(const std::string& zoom, const std::string& pdf_file,
                               const std::string& output_folder, int page_count, int processes,
                               const std::string& renderer) {
  const std::string pdf = as_operand(pdf_file);
  const std::string prefix = as_operand(output_folder + "/" + std::string(kConverterPrefix));
  ConversionJobs conversion;
  if (page_count == 0) {
    conversion.jobs.push_back(
        {{"pdftohtml", "-q", "-c", "-zoom", zoom, pdf, prefix}, {}, converter_page_file});
    if (!renderer.empty()) {
      add_renderer_job(conversion, renderer, zoom, pdf, output_folder, {1, 1'000'000'000}, false);
    }
    return conversion;
  }
  const int sharing_processes = renderer.empty() ? processes : (processes + 1) / 2;
  for (PageRange range : page_ranges(page_count, sharing_processes, smallest_range())) {
    const std::string first = std::to_string(range.first);
    const std::string last = std::to_string(range.last);
    if (renderer.empty()) {
      conversion.jobs.push_back(
          {{"pdftohtml", "-q", "-c", "-zoom", zoom, "-f", first, "-l", last, pdf, prefix},
           range,
           converter_page_file});
      continue;
    }
    conversion.jobs.push_back(
        {{"pdftohtml", "-q", "-c", "-i", "-zoom", zoom, "-f", first, "-l", last, pdf, prefix},
         range,
         converter_page_file});
    add_renderer_job(conversion, renderer, zoom, pdf, output_folder, range, true);
  }
  return conversion;
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

bool read_whole_file(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *bytes = std::move(buffer).str();
  return !in.bad();
}

std::string raw_page_path(const std::string& folder, int page) {
  return folder + "/" + converter_page_file(page);
}

std::string page_name(int page) { return "page" + std::to_string(page) + ".html"; }

// Reshapes and typesets pages 1, 2, ... one page in memory at a time, up to
// `page_count` when it is known, else as long as pdftohtml wrote them: each
// page-N.html becomes pageN.html (see converter_page.h), with the line of
// its background image first when `backgrounds_rendered`, set in free faces
// with its fragments' widths (see typesetting.h), and with the search field
// (see search_field.h). The page images page001.png ... stay as written,
// since the pages refer to them by those names. Returns the number of
// pages, or -1 after a console line when a page is missing, could not be
// read or was not finished; a page that cannot be written ends the run.
int reshape_pages(const std::string& folder, int page_count, const std::string& pdf_file,
                  bool backgrounds_rendered, Typesetting& typesetting) {
  int page = 0;
  std::string raw;
  while (page_count == 0 ? file_exists(raw_page_path(folder, page + 1)) : page < page_count) {
    ++page;
    const std::string raw_path = raw_page_path(folder, page);
    const std::string page_path = folder + "/" + page_name(page);
    if (!file_exists(raw_path)) {
      print_line("pdftohtml wrote no page " + std::to_string(page) + " of " + pdf_file);
      return -1;
    }
    if (!read_whole_file(raw_path, &raw)) {
      print_line("The converted page " + raw_path + " could not be rewritten as " + page_path);
      return -1;
    }
    if (backgrounds_rendered && !add_background_line(raw, page)) {
      print_line("pdftohtml wrote page " + std::to_string(page) + " of " + pdf_file +
                 " without the page start that its background image follows");
      return -1;
    }
    // Checked with its background line, so that the image it names is checked too.
    const std::string unfinished = unfinished_page_reason(raw, folder);
    if (!unfinished.empty()) {
      print_line("pdftohtml did not finish page " + std::to_string(page) + " of " + pdf_file +
                 ": " + unfinished);
      return -1;
    }
    std::string page_html = reshape_page(raw);
    typesetting.set_page(page_html, page);
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

// Runs the converter processes, the progress on the console's current line
// while they work. False after a console line when a converter failed.
bool convert_pages(const std::vector<ProcessJob>& jobs, const std::string& pdf_file,
                   const std::string& output_folder, int page_count, bool rendering) {
  const std::string of_pages = " of " + std::to_string(page_count) + " pages";
  // With the renderer, a page is written twice: its text and its background.
  const int writes_per_page = rendering ? 2 : 1;
  auto show_pages = [&](int writes) {
    if (page_count > 0) {
      console().show_progress("converting: " + std::to_string(writes / writes_per_page) + of_pages);
    }
  };
  show_pages(0);
  const std::optional<JobFailure> failure =
      run_process_jobs(jobs, core_count(), output_folder, show_pages);
  if (page_count > 0) console().show_progress("");
  if (!failure) return true;
  print_line(failure_line(*failure, jobs[failure->job].pages, pdf_file, output_folder));
  return false;
}

// Turns what the converter wrote into the pages and the index the run reads.
bool finish_conversion(const std::string& pdf_file, const std::string& output_folder,
                       int page_count, bool backgrounds_rendered, Typesetting& typesetting) {
  const int pages =
      reshape_pages(output_folder, page_count, pdf_file, backgrounds_rendered, typesetting);
  if (pages < 0) return false;
  if (!typesetting.finish()) {
    print_line("The fonts could not be written into " + output_folder + "/" + kFontFolder);
    return false;
  }
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
  ConversionJobs conversion =
      conversion_jobs(zoom, pdf_file, output_folder, page_count, core_count(), renderer);
  const bool rendering = page_count > 0 && !renderer.empty();
  bool converted = convert_pages(conversion.jobs, pdf_file, output_folder, page_count, rendering);
  if (converted) {
    Typesetting typesetting(output_folder, std::move(conversion.drawn_text),
                            std::move(conversion.drawn_fonts));
    converted = finish_conversion(pdf_file, output_folder, page_count, rendering, typesetting);
  }
  if (!converted) {
    // Nothing of a failed conversion stays to be taken for a document.
    delete_matching(output_folder, "*");
    delete_matching(output_folder + "/" + kFontFolder, "*");
    remove_empty_folder(output_folder + "/" + kFontFolder);
    return false;
  }
  return true;
}

}  // namespace lexiweb
