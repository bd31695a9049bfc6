// The standard page head and the details line.
#include "wordindex/page_head.h"

#include "common/page_heads.h"
#include "common/run_parameters.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

constexpr int kEnglish = 3;

std::string_view without_scheme(std::string_view address) {
  size_t separator = address.find("://");
  return separator == std::string_view::npos ? address : address.substr(separator + 3);
}

}  // namespace

void write_standard_page_head(RecordWriter& out, std::string_view title) {
  out.write_line("<HTML>");
  out.write_line("<head> <meta http-equiv=\"content-type\"  content=\"text/HTML; charset=utf-8\">");
  out.write_line(kViewportLine);
  out.write_line("<title>");
  out.write_line(title);
  out.write_line("</title>");
  out.write_line("<style type =\"text/css\">");
  // The line feeds stand inside the line, before its own CR LF.
  out.write_line("\ndiv.ol {text-align: left}\n</style>");
  out.write_line("</head>");
  out.write_line("<body>");
}

std::string details_link() {
  std::string link = "<a href = \"";
  link += details_address;
  link += "\">";
  link += without_scheme(details_address);
  link += "</a>";
  return link;
}

void write_index_details_line(RecordWriter& out) {
  if (ui_language != kEnglish) return;
  out.write_line("Details: " + details_link() + " <br>");
}

}  // namespace lexiweb
