// The about page: the instruction sentence and the promotion block.
#include "common/page_heads.h"
#include "common/run_parameters.h"
#include "common/run_values.h"
#include "driver/final_pages.h"
#include "shell/record_writer.h"
#include "wordindex/page_head.h"

namespace lexiweb {

void write_about_page() {
  RecordWriter out(std::string(kOutputFolder) + g_run.about_page_file);
  // The page is the document's site's, its text the program's own, in the
  // label table's language.
  write_standard_page_head(out, page_title(g_run.document.title, "about"), g_run.document.language,
                           label(kLanguageTag));
  out.write_line("<h1>About</h1>");
  out.write_line("<br>");
  out.write_line("<br>");
  out.write_line("<br> <b> " + label(kInstructionLabel) + " </b>");
  out.write_line("<br>");
  out.write_line("<br>");
  write_promotion_block(out);
  write_standard_page_end(out);
  out.close();
}

}  // namespace lexiweb
