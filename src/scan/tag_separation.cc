// Delimiter list and tag character file: which "<" and ">" of the pages bound
// a tag, and which characters lie inside one.
#include "scan/tag_separation.h"

#include <string>
#include <string_view>

#include "common/run_values.h"
#include "scan/scan_records.h"
#include "shell/external_sort.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

constexpr std::string_view kBlankCode = "   32";

// The control file lays out its two positions in print zones of 14 columns.
constexpr size_t kPrintZone = 14;

void write_in_print_zone(RecordWriter& out, std::string_view text) {
  out.write(text);
  for (size_t pad = kPrintZone - text.size() % kPrintZone; pad > 0; --pad) out.write_byte(' ');
}

// Writes a character that lies inside a tag to the tag character file and
// its character to the control line. Quotes and apostrophes become blanks so
// that no later field holds a quote; a line feed or carriage return keeps its
// code but gets an empty character, since a raw line break inside a field
// would split the record for every reader.
void write_tag_character(const HeldRecord& record, RecordWriter& tag_characters,
                         RecordWriter& control) {
  const int code = code_value(record.code());
  std::string_view code_field = record.code();
  std::string_view character;
  char byte = static_cast<char>(code);
  if (code == 34 || code == 39) {
    code_field = kBlankCode;
    character = " ";
  } else if (code != 10 && code != 13) {
    character = std::string_view(&byte, 1);
  }
  tag_characters.write_record({code_field, record.page(), record.position(), character});
  control.write(character);
}

// Reads delimiter records up to the next "<"; false when there is none, or
// when it is the last record and so can have no ">" after it.
bool read_opening_delimiter(RecordReader& delimiters, HeldRecord* open) {
  while (open->read_from(delimiters)) {
    if (open->character() == "<") return !delimiters.at_end();
  }
  return false;
}

// Reads delimiter records up to the next ">", or to the last record.
void read_closing_delimiter(RecordReader& delimiters, HeldRecord* close) {
  do {
    close->read_from(delimiters);
  } while (close->character() != ">" && !delimiters.at_end());
}

// Reads the character list on to the record of the "<" itself.
bool find_tag_start(RecordReader& characters, const HeldRecord& open, const HeldRecord& close,
                    HeldRecord* current) {
  while (current->read_from(characters)) {
    if (current->page() == close.page() && current->position() == open.position()) return true;
  }
  return false;
}

}  // namespace

void select_delimiters() {
  delete_file("tag_1.txt");
  RecordReader sorted_characters("htms.txt");
  RecordWriter delimiters("tag_1.txt");
  std::string_view line;
  CharacterRecord record;
  while (sorted_characters.read_line(&line)) {
    record.parse(line);
    const int code = code_value(record.code());
    if (code == kLessThanCode || code == kGreaterThanCode) delimiters.write_line(line);
  }
}

void sort_delimiters_into_document_order() { external_sort("tag_1.txt", "tag_2.txt", 4, 2); }

void filter_delimiter_pairs() {
  copy_file("tag_2.txt", "tag_2_1.txt");
  {
    RecordReader in("tag_2_1.txt");
    RecordWriter out("tag_2_2.txt");
    HeldRecord first;
    HeldRecord second;
    HeldRecord dropped;
    while (!in.at_end()) {
      first.read_from(in);
      second.read_from(in);
      if (first.page() == second.page() && first.character() == "<" && second.character() == ">") {
        out.write_line(first.line());
        out.write_line(second.line());
      } else {
        dropped.read_from(in);
      }
    }
  }
  copy_file("tag_2_2.txt", "tag_2.txt");
}

void filter_delimiter_alternation() {
  delete_file("tag_temp.txt");
  {
    RecordReader in("tag_2.txt");
    RecordWriter out("tag_temp.txt");
    // 2: either kind may come, 1: this kind is due, 0: this kind is not due.
    int open_flag = 2;
    int close_flag = 2;
    std::string_view line;
    CharacterRecord record;
    while (in.read_line(&line)) {
      record.parse(line);
      const int code = code_value(record.code());
      if (open_flag >= 1 && code == kLessThanCode) {
        out.write_line(line);
        close_flag = 1;
        open_flag = 0;
      }
      if (close_flag >= 1 && code == kGreaterThanCode) {
        out.write_line(line);
        open_flag = 1;
        close_flag = 0;
      }
    }
  }
  copy_file("tag_temp.txt", "tag_2.txt");
}

void write_delimiter_list() {
  select_delimiters();
  sort_delimiters_into_document_order();
  filter_delimiter_pairs();
  filter_delimiter_alternation();
}

void write_tag_character_file() {
  RecordReader delimiters("tag_2.txt");
  RecordReader characters("htm.txt");
  delete_file("htm_el_1.txt");
  RecordWriter tag_characters("htm_el_1.txt");
  RecordWriter control("tag_control.txt");
  HeldRecord open;
  HeldRecord close;
  HeldRecord current;
  while (read_opening_delimiter(delimiters, &open)) {
    read_closing_delimiter(delimiters, &close);
    while (find_tag_start(characters, open, close, &current)) {
      write_in_print_zone(control, open.position());
      write_in_print_zone(control, close.position());
      write_tag_character(current, tag_characters, control);
      while (current.page() == close.page() && current.position() < close.position() &&
             !characters.at_end()) {
        current.read_from(characters);
        write_tag_character(current, tag_characters, control);
      }
      control.write("\r");
      control.write("\r\n");
      if (same_place(current, close)) break;
    }
  }
}

}  // namespace lexiweb
