// From boundary records to removed characters: the deletion positions, their
// sorted set, and the pass that blanks the codes of the frame characters.
#include <string>
#include <string_view>

#include "annotate/annotated_record.h"
#include "annotate/tag_classification.h"
#include "common/text.h"
#include "platform/console.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

// Boundary record fields (tag_5.txt).
constexpr int kBoundaryPage = 2;
constexpr int kBoundaryPosition = 3;

// Annotated record fields.
constexpr int kCode = 1;
constexpr int kPage = 2;
constexpr int kPosition = 3;
constexpr int kMarker = 4;

void report_page_mismatch() {
  print_line("---------------------------");
  print_line("file.01 <> file.02, fatal error");
  print_line();
}

// True when the deletion position (page, position) lies before the character
// at (page, position); fixed-width fields order as their numbers do.
bool lies_before(std::string_view deletion_page, std::string_view deletion_position,
                 std::string_view page, std::string_view position) {
  if (deletion_page != page) return deletion_page < page;
  return deletion_position < position;
}

}  // namespace

void write_deletion_positions() {
  RecordReader boundaries("tag_5.txt");
  RecordWriter out("tag_6.txt");
  Record record;
  std::string page;
  std::string start;
  std::string position;
  while (boundaries.read_record(&record)) {
    page.assign(record.field(kBoundaryPage));
    start.assign(record.field(kBoundaryPosition));
    boundaries.read_record(&record);
    if (record.field(kBoundaryPage) != page) {
      report_page_mismatch();
      continue;
    }
    long last = whole_value(record.field(kBoundaryPosition));
    for (long k = whole_value(start); k <= last; ++k) {
      position.clear();
      append_right_aligned(position, k, 10);
      out.write_record({page, position});
    }
  }
}

void remove_repeated_positions() {
  RecordReader sorted("tag_7.txt");
  RecordWriter out("tag_8.txt");
  Record record;
  std::string last_page;
  std::string last_position;
  bool first = true;
  while (sorted.read_record(&record)) {
    std::string_view page = record.field(1);
    std::string_view position = record.field(2);
    if (!first && page == last_page && position == last_position) continue;
    first = false;
    out.write_record({page, position});
    last_page.assign(page);
    last_position.assign(position);
  }
}

void remove_frame_characters() {
  RecordReader text("htm_02.txt");
  RecordReader deletions("tag_8.txt");
  RecordWriter out("htm_04.txt");
  // The page text files are cut in this same pass: the records are in page
  // order, so each page's file is written from its start to its end at once.
  RecordWriter page_out;
  std::string open_page;

  Record deletion;
  bool deletion_pending = deletions.read_record(&deletion);
  Record record;
  while (text.read_record(&record)) {
    std::string_view page = record.field(kPage);
    std::string_view position = record.field(kPosition);
    std::string_view code = record.field(kCode);

    // Inserted markup has a blank position: it is never removed and does not
    // take part in the merge.
    if (position != kBlankPosition) {
      // A deletion position without a character of its own (a damaged list)
      // is passed over so that it cannot hold back the ones after it.
      while (deletion_pending &&
             lies_before(deletion.field(1), deletion.field(2), page, position)) {
        deletion_pending = deletions.read_record(&deletion);
      }
      if (deletion_pending && deletion.field(1) == page && deletion.field(2) == position) {
        code = kRemovedCode;
        deletion_pending = deletions.read_record(&deletion);
      }
    }

    out.write_record({code, page, position, record.field(kMarker)});

    if (!page_out.is_open() || page != open_page) {
      open_page.assign(page);
      page_out.open(page_text_file(open_page));
    }
    page_out.write_record({code, page, position, record.field(kMarker)});
  }
}

}  // namespace lexiweb
