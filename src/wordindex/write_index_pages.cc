// The word index stage: one ordered list per word, one item per occurrence,
// a new page wherever the occurrences' index page stem changes, each page
// written straight into htm_out.
#include "wordindex/write_index_pages.h"

#include <algorithm>
#include <string>
#include <vector>

#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"
#include "wordindex/index_nav_bar.h"
#include "wordindex/index_page_head.h"
#include "wordindex/occurrence_item.h"
#include "wordindex/page_head.h"

namespace lexiweb {

namespace {

constexpr char kOutputFolder[] = "htm_out/";

void close_index_page(RecordWriter& page, std::string_view page_file, RecordReader& page_list) {
  page.write_line("</ol>");
  page.write_line("</div>");
  page.write_line(index_nav_bar(page_file, page_list));
  write_standard_page_end(page);
  page.close();
}

// Opens the page of the occurrence's index page stem and writes its head,
// whose first item is the occurrence's short item.
void open_index_page(RecordWriter& page, std::string& page_file, RecordReader& page_list,
                     const IndexPageRange& range, const Record& occurrence, long ordinal) {
  page_file.assign(occurrence.field(placed_occurrence_record::kIndexPageStem));
  page_file += ".htm";
  page.open(kOutputFolder + page_file);
  write_index_page_head(page_file, page, page_list, range,
                        occurrence.field(placed_occurrence_record::kPage),
                        occurrence.field(placed_occurrence_record::kOutputPageStem),
                        occurrence.field(placed_occurrence_record::kOccurrenceId),
                        occurrence.field(placed_occurrence_record::kWord), ordinal);
}

// The first and the last word of every index page, in page order, from a
// first reading of the occurrences: the head that names them is written
// before the page's items.
std::vector<IndexPageRange> index_page_ranges(RecordReader& occurrences) {
  std::vector<IndexPageRange> ranges;
  std::string stem;
  Record record;
  while (occurrences.read_record(&record)) {
    const std::string_view word = record.field(placed_occurrence_record::kWord);
    if (ranges.empty() || record.field(placed_occurrence_record::kIndexPageStem) != stem) {
      stem.assign(record.field(placed_occurrence_record::kIndexPageStem));
      ranges.push_back({std::string(word), std::string(word)});
    } else if (ranges.back().last_word != word) {
      ranges.back().last_word.assign(word);
    }
  }
  occurrences.rewind();
  return ranges;
}

void write_pages(RecordReader& occurrences, RecordReader& page_list) {
  const std::vector<IndexPageRange> ranges = index_page_ranges(occurrences);
  size_t range = 0;
  Record record;
  // No occurrence, no page: the first record is never taken for granted.
  if (!occurrences.read_record(&record)) return;

  // Copies of the previous record's fields, which must outlive the next read.
  std::string previous_word_number(record.field(placed_occurrence_record::kWordNumber));
  std::string current_page_stem(record.field(placed_occurrence_record::kIndexPageStem));
  std::string word_anchor(record.field(placed_occurrence_record::kOccurrenceId));
  std::string page_file;
  std::string item;
  long ordinal = 1;

  RecordWriter page;
  open_index_page(page, page_file, page_list, ranges[range], record, ordinal);

  while (occurrences.read_record(&record)) {
    bool same_word = record.field(placed_occurrence_record::kWordNumber) == previous_word_number;
    if (same_word) {
      ++ordinal;
    } else {
      ordinal = 1;
      word_anchor.assign(record.field(placed_occurrence_record::kOccurrenceId));
    }

    if (record.field(placed_occurrence_record::kIndexPageStem) == current_page_stem) {
      if (!same_word) {
        page.write_line("</ol>");
        page.write_line("<ol>");
      }
      item.clear();
      append_full_item(item, record, word_anchor);
      page.write_line(item);
    } else {
      close_index_page(page, page_file, page_list);
      range = std::min(range + 1, ranges.size() - 1);
      open_index_page(page, page_file, page_list, ranges[range], record, ordinal);
    }

    previous_word_number.assign(record.field(placed_occurrence_record::kWordNumber));
    current_page_stem.assign(record.field(placed_occurrence_record::kIndexPageStem));
  }
  close_index_page(page, page_file, page_list);
}

}  // namespace

void write_index_pages() {
  RecordReader occurrences(kPlacedOccurrencesByWordFile);
  RecordReader page_list(kIndexPagesFile);
  write_pages(occurrences, page_list);
}

}  // namespace lexiweb
