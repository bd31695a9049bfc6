// Builds the page lists of the page assembly, each in one forward pass.
#include "annotate/page_lists.h"

#include <string>
#include <string_view>

#include "annotate/annotated_record.h"
#include "annotate/page_head.h"
#include "common/run_values.h"
#include "shell/external_sort.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

constexpr int kMarker = 4;          // annotated record
constexpr int kPageListStem = 3;    // page list record
constexpr int kOccurrencePage = 2;  // occurrence record

// Finds the first page list record of the output page `stem`. The search goes
// on from the last record found and starts over from the first record only
// when it reaches the end: the list is in page order and the stems are asked
// for in page order, so one pass over the list serves all pages.
bool find_page_entry(RecordReader& page_list, std::string_view stem, Record* entry) {
  for (int round = 0; round < 2; ++round) {
    while (page_list.read_record(entry)) {
      if (entry->field(kPageListStem) == stem) return true;
    }
    page_list.rewind();
  }
  return false;
}

}  // namespace

void write_output_page_list() {
  {
    RecordReader page_text("htm_03.txt");
    RecordReader page_list("par_list.txt");
    RecordWriter out("par_l_01.txt");
    std::string current_marker;
    Record record;
    Record entry;
    while (page_text.read_record(&record)) {
      std::string_view marker = record.field(kMarker);
      if (marker.empty() || marker == kBlankMarker || marker == current_marker) continue;
      current_marker.assign(marker);
      if (find_page_entry(page_list, current_marker, &entry)) {
        out.write_record({entry.field(1), entry.field(2), entry.field(3)});
      }
    }
  }
  copy_file("par_l_01.txt", "par_l_02.txt");
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

void write_page_occurrence_files() {
  external_sort("wrd_08.txt", "wrd_09.txt", 9, 2);

  RecordReader sorted("wrd_09.txt");
  RecordWriter out;
  std::string open_page;
  std::string_view line;
  Record record;
  while (sorted.read_line(&line)) {
    if (line.empty()) continue;
    record.parse(line);
    std::string_view page = record.field(kOccurrencePage);
    if (!out.is_open() || page != open_page) {
      open_page.assign(page);
      out.open(page_occurrence_file(open_page));
    }
    out.write_line(line);
  }
}

}  // namespace lexiweb
