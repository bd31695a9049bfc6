// The contents page: the document's own outline when it has one, then one
// link per page of the document, in page order; and the converter's page
// images and fonts, which the annotated pages show.
#include <string>

#include "common/identifiers.h"
#include "common/page_heads.h"
#include "common/run_parameters.h"
#include "common/run_values.h"
#include "driver/document_outline.h"
#include "driver/final_pages.h"
#include "driver/word_keys.h"
#include "shell/file_ops.h"
#include "shell/record_writer.h"
#include "typeset/font_folder.h"
#include "wordindex/page_head.h"

namespace lexiweb {

namespace {

constexpr int kEnglish = 3;

// The faces and the fitting script that the converter's pages refer to,
// when the converter left them, and the script that opens a word without a
// mouse, which every annotated page refers to.
void copy_font_folder() {
  const std::string from = std::string("htm_in/") + kFontFolder;
  const std::string to = std::string("htm_out/") + kFontFolder;
  if (!folder_exists(to)) make_folder(to);
  if (folder_exists(from)) copy_matching(from, "*", to);
  write_whole_file(to + "/" + kWordKeysScriptFile, kWordKeysScript);
}

}  // namespace

void write_contents_page() {
  RecordWriter out(std::string(kOutputFolder) + g_run.contents_page_file);
  write_standard_page_head(out, page_title(g_run.document.title, "contents"),
                           g_run.document.language);
  if (ui_language == kEnglish) out.write_line("<p>Details: " + details_link() + " </p>");
  out.write_line("<h1>" + label(kContentsLabel) + "</h1>\n");
  write_document_outline(out, g_run.page_count);
  out.write_line("<ol>");
  // Every page gets an item, also a page without words, which has no
  // annotated page of its own.
  std::string item;
  for (int page = 1; page <= g_run.page_count; ++page) {
    item = "<li><a href=\"";
    item += output_page_stem(page);
    item += ".htm\" >";
    item += page_stem(page);
    item += "</a></li>";
    out.write_line(item);
  }
  out.write_line("</ol>");
  write_standard_page_end(out);
  out.close();

  copy_matching("htm_in", "*.png", "htm_out");
  copy_font_folder();
}

}  // namespace lexiweb
