// Runs poppler's pdftohtml in complex mode straight into the output folder
// and reshapes what it writes: its pages page-N.html become pageN.html (see
// converter_page.h), a plain index.html lists them, and its frameset and
// index files are removed. The page images page001.png ... stay as written,
// since the pages refer to them by those names.
#include "platform/converter.h"

#include <fstream>
#include <sstream>
#include <string_view>

#include "common/text.h"
#include "platform/console.h"
#include "platform/converter_page.h"
#include "shell/file_ops.h"
#include "shell/run_shell.h"

namespace lexiweb {
namespace {

// Exit statuses of pdftohtml that tell why it failed.
constexpr int kCouldNotStart = -1;
constexpr int kCannotOpenPdf = 1;
constexpr int kCannotWriteOutput = 2;
constexpr int kCopyingNotPermitted = 3;

// A path that begins with "-" would be taken for an option.
std::string as_operand(const std::string& path) {
  return path.starts_with('-') ? "./" + path : path;
}

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

std::string failure_line(int status, const std::string& pdf_file,
                         const std::string& output_folder) {
  switch (status) {
    case kCouldNotStart:
      return "pdftohtml could not be started: install poppler-utils so that pdftohtml is on the "
             "PATH";
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

bool read_whole_file(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *bytes = std::move(buffer).str();
  return !in.bad();
}

bool write_whole_file(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

std::string raw_page_path(const std::string& folder, int page) {
  return folder + "/" + std::string(kConverterPrefix) + "-" + std::to_string(page) + ".html";
}

std::string page_name(int page) { return "page" + std::to_string(page) + ".html"; }

// Reshapes pages 1, 2, ... as long as pdftohtml wrote them, one page in
// memory at a time. Returns the number of pages, or -1 after a console line
// when a page could not be read or written.
int reshape_pages(const std::string& folder) {
  int page = 0;
  std::string raw;
  while (file_exists(raw_page_path(folder, page + 1))) {
    ++page;
    const std::string raw_path = raw_page_path(folder, page);
    const std::string page_path = folder + "/" + page_name(page);
    if (!read_whole_file(raw_path, &raw) || !write_whole_file(page_path, reshape_page(raw))) {
      print_line("The converted page " + raw_path + " could not be rewritten as " + page_path);
      return -1;
    }
    delete_file(raw_path);
  }
  return page;
}

// The index the run reads: one line per page, linking it; no other line
// names a page.
bool write_index(const std::string& folder, int page_count) {
  std::ofstream out(folder + "/index.html", std::ios::binary | std::ios::trunc);
  out << "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"UTF-8\">\r\n"
         "<title>Index</title>\r\n</head>\r\n<body>\r\n";
  for (int page = 1; page <= page_count; ++page) {
    out << "<a href=\"" << page_name(page) << "\">page" << page << "</a><br>\r\n";
  }
  out << "</body>\r\n</html>\r\n";
  out.close();
  return static_cast<bool>(out);
}

// pdftohtml's frameset and frame index, and an outline when the PDF has one.
void remove_converter_extras(const std::string& folder) {
  const std::string prefix = folder + "/" + std::string(kConverterPrefix);
  delete_file(prefix + ".html");
  delete_file(prefix + "_ind.html");
  delete_file(prefix + "-outline.html");
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
  const int status = run_shell({"pdftohtml", "-q", "-c", "-zoom", zoom, as_operand(pdf_file),
                                as_operand(output_folder + "/" + std::string(kConverterPrefix))});
  if (status != 0) {
    print_line(failure_line(status, pdf_file, output_folder));
    return false;
  }
  const int page_count = reshape_pages(output_folder);
  if (page_count < 0) return false;
  remove_converter_extras(output_folder);
  if (page_count == 0) {
    print_line("pdftohtml wrote no pages for " + pdf_file);
    return false;
  }
  if (!write_index(output_folder, page_count)) {
    print_line("The page index " + output_folder + "/index.html could not be written");
    return false;
  }
  return true;
}

}  // namespace lexiweb
