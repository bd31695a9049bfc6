#include "annotate/span_annotation.h"

#include <algorithm>

#include "common/identifiers.h"
#include "common/text.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"
#include "shell/staged_page.h"

namespace lexiweb {

void build_opening_markup(std::string_view word_number, std::string_view index_page_stem,
                          std::string_view occurrence_id, OpeningMarkup* markup, bool second_part) {
  markup->tag.assign("<span ");

  std::string& attributes = markup->id_and_class;
  if (second_part) {
    attributes.assign(" class=\"c");
  } else {
    attributes.assign(" id = \"");
    attributes += occurrence_id;
    attributes += "\" class=\"c";
  }
  attributes += trim_leading_blanks(word_number);
  attributes += '"';

  std::string& handler = markup->handler;
  handler.assign(" type = \"text/javascript\" ondblclick = \"window.open('");
  handler += index_page_stem;
  handler += ".htm#";
  handler += occurrence_id;
  handler += "'); window.event.cancelbubble = true;\" >";
}

namespace {

// The number a page or position field stands for when it is written exactly
// as the pages are numbered (right-aligned in 10 columns); 0 for any other
// text, which no character of the pages carries.
long exact_field_value(std::string_view field) {
  if (field.size() != 10) return 0;
  size_t first_digit = field.find_first_not_of(' ');
  if (first_digit == std::string_view::npos || field[first_digit] == '0') return 0;
  long value = 0;
  for (char c : field.substr(first_digit)) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The occurrence whose first character the walk waits for.
class PendingOccurrence {
 public:
  explicit PendingOccurrence(const std::string& path) : in_(path) { advance(); }

  // The position on `page` at or after `from` where the occurrence opens, or 0.
  long opens_on(long page, long from, long page_size) const {
    if (!present_ || page_ != page || position_ < from || position_ > page_size) return 0;
    return position_;
  }
  const Record& record() const { return record_; }
  void advance() {
    present_ = in_.read_record(&record_);
    page_ = exact_field_value(record_.field(placed_occurrence_record::kPage));
    position_ = exact_field_value(record_.field(placed_occurrence_record::kPosition));
  }

 private:
  RecordReader in_;
  Record record_;
  bool present_ = false;
  long page_ = 0;
  long position_ = 0;
};

// The words joined over a line end, in document order, and the second part
// of the one whose first part the walk has opened.
class JoinedWords {
 public:
  JoinedWords() : in_(kWordPartsFile) { advance(); }

  // The length of the first part when the occurrence at `page` and
  // `position` is a joined word, which then waits for its second part.
  long first_part_length(std::string_view page, std::string_view position) {
    if (!present_ || page != record_.field(word_parts_record::kPage) ||
        position != record_.field(word_parts_record::kPosition)) {
      return 0;
    }
    const long length = whole_value(record_.field(word_parts_record::kFirstLength));
    second_page_ = exact_field_value(record_.field(word_parts_record::kPage));
    second_position_ = exact_field_value(record_.field(word_parts_record::kSecondPosition));
    second_length_ = whole_value(record_.field(word_parts_record::kSecondLength));
    advance();
    return length;
  }
  // The position on `page` at or after `from` where a waiting second part
  // opens, or 0.
  long second_opens_on(long page, long from, long page_size) const {
    if (second_page_ != page || second_position_ < from || second_position_ > page_size) return 0;
    return second_position_;
  }
  long second_length() const { return second_length_; }
  void second_opened() { second_page_ = 0; }

 private:
  void advance() { present_ = in_.read_record(&record_); }

  RecordReader in_;
  Record record_;
  bool present_ = false;
  long second_page_ = 0;
  long second_position_ = 0;
  long second_length_ = 0;
};

}  // namespace

void write_span_places(long page_count) {
  PendingOccurrence pending(kPlacedOccurrencesFile);
  JoinedWords joined;
  std::string number;
  std::string index_stem;
  std::string occurrence_id;
  delete_file(kSpanPlacesFile);
  RecordWriter out(kSpanPlacesFile);
  bool span_open = false;
  long counted = 0;  // characters of the open span so far, its first included
  long target = 0;   // length of the open span's word
  std::string characters;
  for (long page = 1; page <= page_count; ++page) {
    read_staged_page(page, &characters);
    const long size = static_cast<long>(characters.size());
    const std::string page_text = page_field(page);
    long next = 1;  // the first character not yet walked
    while (next <= size) {
      const long second_at = joined.second_opens_on(page, next, size);
      const long opens_at = second_at != 0 ? second_at : pending.opens_on(page, next, size);
      // A span closes on the character that brings its count to the word's
      // length; a word without characters closes on its first.
      const long closes_at = span_open ? next + std::max(target - counted, 1L) - 1 : 0;
      if (opens_at != 0 && (closes_at == 0 || opens_at <= closes_at)) {
        if (second_at != 0) {
          out.write_record({page_text, page_field(opens_at), span_record::kSecondPart, number,
                            index_stem, occurrence_id});
          target = joined.second_length();
          joined.second_opened();
        } else {
          const Record& occurrence = pending.record();
          out.write_record({page_text, page_field(opens_at), span_record::kOpening,
                            occurrence.field(placed_occurrence_record::kWordNumber),
                            occurrence.field(placed_occurrence_record::kIndexPageStem),
                            occurrence.field(placed_occurrence_record::kOccurrenceId)});
          target = joined.first_part_length(occurrence.field(placed_occurrence_record::kPage),
                                            occurrence.field(placed_occurrence_record::kPosition));
          if (target != 0) {
            number.assign(occurrence.field(placed_occurrence_record::kWordNumber));
            index_stem.assign(occurrence.field(placed_occurrence_record::kIndexPageStem));
            occurrence_id.assign(occurrence.field(placed_occurrence_record::kOccurrenceId));
          } else {
            target = static_cast<long>(occurrence.field(placed_occurrence_record::kWord).size());
          }
          pending.advance();
        }
        span_open = true;
        counted = 1;
        next = opens_at + 1;
        if (counted >= target) {
          out.write_record({page_text, page_field(opens_at), span_record::kClosing});
          span_open = false;
        }
      } else if (closes_at != 0 && closes_at <= size) {
        out.write_record({page_text, page_field(closes_at), span_record::kClosing});
        span_open = false;
        next = closes_at + 1;
      } else {
        if (span_open) counted += size - next + 1;
        next = size + 1;
      }
    }
  }
}

}  // namespace lexiweb
