// Text stream: walks the character list and the merged delimiter list side
// by side and keeps what lies between tags.
#include "scan/text_stream.h"

#include <string_view>

#include "scan/scan_records.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

// The tag's "<" and ">" share a page, so the page of either will do.
bool before_tag(const HeldRecord& record, const HeldRecord& open, const HeldRecord& close) {
  return record.page() == close.page() && record.position() < open.position();
}

bool inside_tag(const HeldRecord& record, const HeldRecord& open, const HeldRecord& close) {
  return record.page() == close.page() && record.position() >= open.position() &&
         record.position() < close.position();
}

void write_separator(RecordWriter& out) {
  out.write_record({"     ", "          ", "          ", "     "});
}

}  // namespace

void write_text_stream() {
  RecordReader tags("tag_4.txt");
  RecordReader characters("htm.txt");
  delete_file("wrd_1.txt");
  RecordWriter text("wrd_1.txt");
  HeldRecord open;
  HeldRecord close;
  HeldRecord current;
  while (!tags.at_end()) {
    open.read_from(tags);
    if (tags.at_end()) return;
    close.read_from(tags);
    while (current.read_from(characters)) {
      if (before_tag(current, open, close)) {
        text.write_line(current.line());
        while (before_tag(current, open, close) && !characters.at_end()) {
          current.read_from(characters);
          if (before_tag(current, open, close)) text.write_line(current.line());
        }
      }
      if (inside_tag(current, open, close)) {
        while (current.page() == close.page() && current.position() < close.position() &&
               !characters.at_end()) {
          current.read_from(characters);
        }
      }
      if (same_place(current, close)) {
        if (tags.at_end()) {
          // The last tag ends a word like every other tag: without the
          // separator, text on both sides of it would join into one word.
          write_separator(text);
          while (current.read_from(characters)) text.write_line(current.line());
        } else {
          open.read_from(tags);
          // A "<" without its ">" at the end of the list ends the stream.
          if (tags.at_end()) return;
          close.read_from(tags);
          write_separator(text);
        }
      }
    }
  }
}

}  // namespace lexiweb
