// Walks the page characters and the occurrences (both in document order)
// together, opening a span in front of the first character of each occurrence
// and closing it after as many characters as the word has.
#include "annotate/span_annotation.h"

#include "annotate/annotated_record.h"
#include "common/text.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

void build_opening_markup(std::string_view word_number, std::string_view index_page_stem,
                          std::string_view occurrence_id, OpeningMarkup* markup) {
  markup->tag.assign("<span ");

  std::string& attributes = markup->id_and_class;
  attributes.assign(" id = \"");
  attributes += occurrence_id;
  attributes += "\" class=\"c";
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

// The occurrence whose first character the walk waits for. Its fields are
// copied because the reader's views do not outlive the next read.
struct PendingOccurrence {
  bool present = false;
  std::string page;
  std::string position;
  std::string output_page_stem;
  OpeningMarkup markup;
  size_t word_length = 0;
};

void read_pending(RecordReader& occurrences, Record& record, PendingOccurrence* pending) {
  pending->present = occurrences.read_record(&record);
  if (!pending->present) return;
  pending->page.assign(record.field(2));
  pending->position.assign(record.field(3));
  pending->output_page_stem.assign(record.field(4));
  build_opening_markup(record.field(1), record.field(5), record.field(6), &pending->markup);
  pending->word_length = record.field(7).size();
}

}  // namespace

void write_annotated_list() {
  RecordReader occurrences("wrd_6.txt");
  RecordReader characters("htm.txt");
  RecordWriter out("htm_01.txt");

  Record occurrence_record;
  PendingOccurrence pending;
  read_pending(occurrences, occurrence_record, &pending);

  bool span_open = false;
  size_t counted = 0;
  size_t target = 0;
  std::string markup_records;
  Record character;
  while (characters.read_record(&character)) {
    std::string_view page = character.field(2);
    std::string_view position = character.field(3);

    if (pending.present && page == pending.page && position == pending.position) {
      markup_records.clear();
      append_markup_records(markup_records, pending.markup.tag, page, kBlankMarker);
      append_markup_records(markup_records, pending.markup.id_and_class, page,
                            pending.output_page_stem);
      append_markup_records(markup_records, pending.markup.handler, page, kBlankMarker);
      out.write(markup_records);
      target = pending.word_length;
      read_pending(occurrences, occurrence_record, &pending);
      counted = 0;
      span_open = true;
    }

    write_annotated_record(out, character.field(1), page, position, kBlankMarker);

    if (span_open) {
      ++counted;
      // ">=" rather than "==": an occurrence without a spelled word still
      // closes its span instead of leaving it open for the rest of the pages.
      if (counted >= target) {
        markup_records.clear();
        append_markup_records(markup_records, kClosingMarkup, page, kBlankMarker);
        out.write(markup_records);
        span_open = false;
      }
    }
  }
}

}  // namespace lexiweb
