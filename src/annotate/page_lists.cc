#include "annotate/page_lists.h"

#include <string>

#include "shell/external_sort.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

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
