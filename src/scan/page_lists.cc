// Occurrences with their output page, and the index page list.
#include "scan/page_lists.h"

#include <string>
#include <string_view>

#include "common/text.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

// Fields of an 8-field occurrence record.
constexpr int kPageField = 2;
constexpr int kIndexPageStemField = 4;

}  // namespace

void write_occurrences_with_pages() {
  RecordReader occurrences("wrd_5.txt");
  delete_file("wrd_6.txt");
  RecordWriter with_pages("wrd_6.txt");
  bool first = true;
  std::string previous_page;
  std::string page_stem;
  std::string_view line;
  Record record;
  while (occurrences.read_line(&line)) {
    record.parse(line);
    const std::string_view page = record.field(kPageField);
    if (first || page != previous_page) {
      previous_page.assign(page);
      page_stem.assign("f");
      append_zero_filled(page_stem, whole_value(trim_blanks(page)), 6);
    }
    with_pages.write_record({record.field(1), record.field(2), record.field(3), page_stem,
                             record.field(4), record.field(5), record.field(6), record.field(7),
                             record.field(8)});
    first = false;
  }
}

void write_index_page_list() {
  RecordReader occurrences("wrd_5.txt");
  delete_file("in_list.txt");
  RecordWriter index_pages("in_list.txt");
  std::string number_text;
  std::string_view line;
  Record record;
  while (occurrences.read_line(&line)) {
    record.parse(line);
    const std::string_view stem = record.field(kIndexPageStemField);
    // The number starts at the first digit that is not a leading zero.
    const size_t first_digit = stem.find_first_of("123456789");
    const long number =
        first_digit == std::string_view::npos ? 0 : whole_value(stem.substr(first_digit));
    number_text.clear();
    append_right_aligned(number_text, number, 10);
    index_pages.write_record({number_text, stem});
  }
}

}  // namespace lexiweb
