// The about page: the instruction sentence and the promotion block.
#include "common/run_parameters.h"
#include "common/run_values.h"
#include "driver/final_pages.h"
#include "shell/record_writer.h"
#include "wordindex/page_head.h"

namespace lexiweb {

void write_about_page() {
  RecordWriter out(std::string(kOutputFolder) + g_run.about_page_file);
  write_standard_page_head(out, label(kSearchLabel));
  out.write_line("<br>");
  out.write_line("<br>");
  out.write_line("<br> <b> " + label(kInstructionLabel) + " </b>");
  out.write_line("<br>");
  out.write_line("<br>");
  write_promotion_block(out);
  out.write_line("</body></HTML>");
  out.close();
}

}  // namespace lexiweb
