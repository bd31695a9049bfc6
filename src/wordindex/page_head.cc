// The standard page head and the details line.
#include "wordindex/page_head.h"

#include "common/page_heads.h"
#include "common/run_parameters.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

constexpr int kEnglish = 3;

// Lists and contexts on a narrow screen: long words and addresses break
// rather than widen the page, and every link is a target of at least 24 by
// 24 CSS pixels.
constexpr std::string_view kPhoneStyle =
    "body{overflow-wrap:anywhere;line-height:1.5}"
    "li{margin:2px 0}"
    "main a{display:inline-block;min-width:24px;min-height:24px}";

// The search field of the annotated pages (the converter's fonts/search.js),
// which finds a word from any page of the site.
constexpr std::string_view kSearchScript = "<script src=\"fonts/search.js\" defer></script>";

std::string_view without_scheme(std::string_view address) {
  size_t separator = address.find("://");
  return separator == std::string_view::npos ? address : address.substr(separator + 3);
}

}  // namespace

void write_standard_page_head(RecordWriter& out, std::string_view title, std::string_view language,
                              std::string_view main_language) {
  out.write_line(html_opening(language));
  out.write_line("<head> <meta http-equiv=\"content-type\"  content=\"text/HTML; charset=utf-8\">");
  out.write_line(kViewportLine);
  out.write_line("<title>");
  out.write_line(title);
  out.write_line("</title>");
  out.write_line("<style type =\"text/css\">");
  // The line feeds stand inside the line, before its own CR LF.
  std::string style = "\ndiv.ol {text-align: left}\n";
  style += kWayInStyle;
  style += kPhoneStyle;
  style += "\n</style>";
  out.write_line(style);
  out.write_line(kSearchScript);
  out.write_line("</head>");
  out.write_line("<body>");
  out.write_line(kSkipLink);
  std::string main = "<main id=\"" + std::string(kMainId) + "\"";
  if (!main_language.empty()) main += " lang=\"" + std::string(main_language) + "\"";
  out.write_line(main + ">");
}

void write_standard_page_end(RecordWriter& out) {
  out.write_line("</main>");
  out.write_line("</body></HTML>");
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
