// pdftohtml tells why it failed by its exit status only; lexiweb-render
// answers with the same statuses, so that a failed job reads alike
// whichever of the two ran it.
#include "convert/conversion_report.h"

#include <algorithm>
#include <iostream>

#include "common/exit_statuses.h"

namespace lexiweb {
namespace {

// Why the whole-document process failed, from its exit status.
std::string whole_document_failure(const Conversion& conversion, int status) {
  const std::string& pdf_file = conversion.pdf_file;
  switch (status) {
    case kCannotOpenPdf:
      return "pdftohtml could not open " + pdf_file +
             " (not a PDF, damaged, or protected by a password)";
    case kCannotWriteOutput:
      return "pdftohtml could not write its pages into " + conversion.folder;
    case kCopyingNotPermitted:
      return "pdftohtml refused " + pdf_file + ": the document does not permit copying its text";
    default:
      return "pdftohtml failed on " + pdf_file + " (exit status " + std::to_string(status) + ")";
  }
}

// Why a converter process failed, when it did not say so itself.
std::string range_failure_reason(const Conversion& conversion, const JobFailure& failure) {
  if (failure.signal != 0) return "it was ended by signal " + std::to_string(failure.signal);
  switch (failure.exit_status) {
    case kCannotOpenPdf:
      return "it could not open the document";
    case kCannotWriteOutput:
      return "it could not write its pages into " + conversion.folder;
    case kCopyingNotPermitted:
      return "the document does not permit copying its text";
    default:
      return "exit status " + std::to_string(failure.exit_status);
  }
}

}  // namespace

bool fails_the_document(const JobFailure& failure) {
  return !failure.started || failure.exit_status == kCannotOpenPdf ||
         failure.exit_status == kCannotWriteOutput || failure.exit_status == kCopyingNotPermitted;
}

std::string failure_line(const Conversion& conversion, const JobFailure& failure,
                         const PageRange& pages) {
  const std::string& pdf_file = conversion.pdf_file;
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
    return whole_document_failure(conversion, failure.exit_status);
  }
  const std::string page_names =
      pages.first == pages.last
          ? "page " + std::to_string(pages.first)
          : "pages " + std::to_string(pages.first) + " to " + std::to_string(pages.last);
  return "pdftohtml failed on " + page_names + " of " + pdf_file + ": " +
         (failure.message.empty() ? range_failure_reason(conversion, failure) : failure.message);
}

std::string unwritten_page_line(const Conversion& conversion, int page, const std::string& reason) {
  const std::string of_pdf = " of " + conversion.pdf_file;
  if (reason.empty()) return "pdftohtml wrote no page " + std::to_string(page) + of_pdf;
  return "pdftohtml did not finish page " + std::to_string(page) + of_pdf + ": " + reason;
}

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

void report_lost_pages(const Conversion& conversion, const std::vector<PageOutcome>& outcomes) {
  std::vector<bool> lost;
  std::vector<bool> without_background;
  for (const PageOutcome& outcome : outcomes) {
    lost.push_back(outcome.page_lost);
    without_background.push_back(outcome.background_lost);
  }
  const auto count = [](const std::vector<bool>& marked) {
    return std::count(marked.begin(), marked.end(), true);
  };
  const std::string& pdf_file = conversion.pdf_file;
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

}  // namespace lexiweb
