#include "annotate/page_lists.h"

#include <string>

#include "shell/external_sort.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

void write_distinct_index_pages() {
  sort_lines(kIndexPageListFile, kSortedIndexPagesFile, 1);
  RecordReader sorted(kSortedIndexPagesFile);
  RecordWriter out(kIndexPagesFile);
  std::string last_number;
  bool first = true;
  Record record;
  while (sorted.read_record(&record)) {
    const std::string_view number = record.field(index_page_record::kNumber);
    if (!first && number == last_number) continue;
    first = false;
    last_number.assign(number);
    out.write_record({number, record.field(index_page_record::kStem)});
  }
}

}  // namespace lexiweb
