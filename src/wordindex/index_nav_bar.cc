// Builds the prev/next line of an index page from the index page list.
#include "wordindex/index_nav_bar.h"

#include "common/identifiers.h"
#include "common/run_parameters.h"
#include "common/text.h"
#include "shell/record_reader.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

namespace {

void append_link(std::string& line, long page_number, int label_number) {
  line += "<a href = \"";
  line += index_page_stem(page_number);
  line += ".htm\">";
  line += label(label_number);
  line += "</a>&nbsp ";
}

bool names_page(std::string_view stem, std::string_view page_file) {
  return page_file.size() == stem.size() + 4 && page_file.starts_with(stem) &&
         page_file.ends_with(".htm");
}

}  // namespace

std::string index_nav_bar(std::string_view page_file, RecordReader& page_list) {
  long current = 0;  // 0 while the list does not name the page
  long last = 0;
  page_list.rewind();
  Record record;
  while (page_list.read_record(&record)) {
    long number = whole_value(record.field(index_page_record::kNumber));
    if (names_page(record.field(index_page_record::kStem), page_file)) current = number;
    last = number;
  }

  std::string line = "<div align = \"center\">";
  if (current > 1) append_link(line, current - 1, kPrevLabel);
  if (current > 0 && current < last) append_link(line, current + 1, kNextLabel);
  line += "</div>";
  return line;
}

}  // namespace lexiweb
