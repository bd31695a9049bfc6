// Occurrences with their output page, and the index page list.
#include "scan/page_lists.h"

#include <string>
#include <string_view>

#include "common/identifiers.h"
#include "common/text.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

void write_occurrences_with_pages() {
  RecordReader occurrences(kOccurrencesByPageFile);
  delete_file(kPlacedOccurrencesFile);
  RecordWriter with_pages(kPlacedOccurrencesFile);
  bool first = true;
  std::string previous_page;
  std::string page_stem;
  Record record;
  while (occurrences.read_record(&record)) {
    const std::string_view page = record.field(occurrence_record::kPage);
    if (first || page != previous_page) {
      previous_page.assign(page);
      assign_output_page_stem(page_stem, whole_value(trim_blanks(page)));
    }
    using namespace occurrence_record;
    with_pages.write_record({record.field(kWordNumber), page, record.field(kPosition), page_stem,
                             record.field(kIndexPageStem), record.field(kOccurrenceId),
                             record.field(kWord), record.field(kRunningNumber),
                             record.field(kContext)});
    first = false;
  }
}

void write_index_page_list() {
  RecordReader occurrences(kOccurrencesByPageFile);
  delete_file(kIndexPageListFile);
  RecordWriter index_pages(kIndexPageListFile);
  std::string number_text;
  Record record;
  while (occurrences.read_record(&record)) {
    const std::string_view stem = record.field(occurrence_record::kIndexPageStem);
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
