// Writes the opening of an index page.
#include "wordindex/index_page_head.h"

#include <string>

#include "common/page_heads.h"
#include "common/run_values.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "wordindex/index_nav_bar.h"
#include "wordindex/occurrence_item.h"
#include "wordindex/page_head.h"

namespace lexiweb {

std::string range_text(const IndexPageRange& range) {
  if (range.first_word == range.last_word) return range.first_word;
  return range.first_word + " \xE2\x80\xA6 " + range.last_word;
}

void write_index_page_head(std::string_view page_file, RecordWriter& out, RecordReader& page_list,
                           const IndexPageRange& range, std::string_view page_field,
                           std::string_view output_stem, std::string_view occurrence_id,
                           std::string_view word, long ordinal) {
  // The words are the page's own text, character references and all.
  const std::string words = range_text(range);
  write_standard_page_head(out, page_title(g_run.document.title, "index: " + words),
                           g_run.document.language);
  write_index_details_line(out);
  out.write_line("<h1>" + words + "</h1>");
  out.write_line(index_nav_bar(page_file, page_list));
  out.write_line("<div><ol start = \"" + std::to_string(ordinal) + "\" >");
  std::string item;
  append_short_item(item, page_field, output_stem, occurrence_id, word);
  out.write_line(item);
}

}  // namespace lexiweb
