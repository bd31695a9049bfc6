#include "annotate/page_lists.h"

#include <string>

#include "annotate/span_annotation.h"
#include "common/text.h"
#include "shell/external_sort.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

std::vector<long> output_page_list() {
  std::vector<long> pages;
  RecordReader spans("htm_spans.txt");
  Record span;
  while (spans.read_record(&span)) {
    if (span.field(kSpanKind) != kOpeningSpan) continue;
    const long page = whole_value(span.field(kSpanPage));
    if (pages.empty() || pages.back() != page) pages.push_back(page);
  }
  return pages;
}

void write_distinct_index_pages() {
  sort_lines("in_list.txt", "in_l_01.txt", 1);
  RecordReader sorted("in_l_01.txt");
  RecordWriter out("in_l_02.txt");
  std::string last_number;
  bool first = true;
  Record record;
  while (sorted.read_record(&record)) {
    if (!first && record.field(1) == last_number) continue;
    first = false;
    last_number.assign(record.field(1));
    out.write_record({record.field(1), record.field(2)});
  }
}

}  // namespace lexiweb
