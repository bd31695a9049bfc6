// Tag records, style and script element ranges, and the delimiter list with
// each such element merged into one tag.
#include "scan/style_script_removal.h"

#include <string>
#include <string_view>

#include "common/run_values.h"
#include "common/text.h"
#include "scan/scan_records.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

// Fields of a tag record.
constexpr int kTagPageField = 1;
constexpr int kTagStartField = 2;
constexpr int kTagEndField = 3;
constexpr int kTagTextField = 4;

// The tag text keeps the characters of at most this many records after "<".
constexpr int kLongestTagText = 59;

constexpr std::string_view kRangeCharacter = "     ";

void write_tag_records() {
  RecordReader tag_characters("htm_el_1.txt");
  delete_file("htm_el_2.txt");
  RecordWriter tags("htm_el_2.txt");
  HeldRecord current;
  std::string tag_page;
  std::string start_position;
  std::string text;
  while (current.read_from(tag_characters)) {
    if (code_value(current.code()) != kLessThanCode) continue;
    tag_page.assign(current.page());
    start_position.assign(current.position());
    text.clear();
    int counter = 0;
    while (code_value(current.code()) != kGreaterThanCode && !tag_characters.at_end()) {
      current.read_from(tag_characters);
      ++counter;
      if (code_value(current.code()) != kGreaterThanCode && counter <= kLongestTagText) {
        text.append(current.character());
      }
    }
    if (tag_page == current.page()) {
      tags.write_record({current.page(), start_position, current.position(), text});
    }
  }
}

struct ElementKind {
  std::string_view opening;  // the beginning of the opening tag's text
  std::string_view closing;  // the beginning of the closing tag's text
  int* tag_count;
};

void write_element_ranges() {
  RecordReader tags("htm_el_2.txt");
  delete_file("tag_3.txt");
  RecordWriter ranges("tag_3.txt");
  g_run.style_tag_count = 0;
  g_run.script_tag_count = 0;
  const ElementKind style{"style", "/style", &g_run.style_tag_count};
  const ElementKind script{"script", "/script", &g_run.script_tag_count};
  Record tag;
  std::string opening_page;
  std::string opening_start;
  while (tags.read_record(&tag)) {
    const ElementKind* kind = nullptr;
    if (starts_with_ignoring_case(tag.field(kTagTextField), style.opening)) {
      kind = &style;
    } else if (starts_with_ignoring_case(tag.field(kTagTextField), script.opening)) {
      kind = &script;
    } else {
      continue;
    }
    ++*kind->tag_count;
    opening_page.assign(tag.field(kTagPageField));
    opening_start.assign(tag.field(kTagStartField));
    // Tags inside the element are not examined: a script inside a style
    // element belongs to the style element.
    bool closed = false;
    while (tags.read_record(&tag)) {
      if (starts_with_ignoring_case(tag.field(kTagTextField), kind->closing)) {
        closed = true;
        break;
      }
    }
    if (!closed) break;
    ++*kind->tag_count;
    if (opening_page == tag.field(kTagPageField)) {
      ranges.write_record({"   60", opening_page, opening_start, kRangeCharacter});
      ranges.write_record(
          {"   62", tag.field(kTagPageField), tag.field(kTagEndField), kRangeCharacter});
    }
  }
}

// Copies delimiter records up to and including the one at the place of
// `range_start`; false when the list ends first.
bool copy_through(RecordReader& delimiters, const HeldRecord& range_start, RecordWriter& out) {
  std::string_view line;
  CharacterRecord record;
  while (delimiters.read_line(&line)) {
    out.write_line(line);
    record.parse(line);
    if (same_place(record, range_start)) return true;
  }
  return false;
}

// Drops delimiter records up to the one at the place of `range_end`, which is copied.
void skip_to(RecordReader& delimiters, const HeldRecord& range_end, RecordWriter& out) {
  std::string_view line;
  CharacterRecord record;
  while (delimiters.read_line(&line)) {
    record.parse(line);
    if (same_place(record, range_end)) {
      out.write_line(line);
      return;
    }
  }
}

}  // namespace

void strip_style_script() {
  write_tag_records();
  write_element_ranges();
}

void merge_element_ranges() {
  if (g_run.style_tag_count < 1 && g_run.script_tag_count < 1) {
    copy_file("tag_2.txt", "tag_4.txt");
    return;
  }
  RecordReader delimiters("tag_2.txt");
  RecordReader ranges("tag_3.txt");
  RecordWriter merged("tag_4.txt");
  HeldRecord range_start;
  HeldRecord range_end;
  while (!ranges.at_end()) {
    range_start.read_from(ranges);
    range_end.read_from(ranges);
    if (copy_through(delimiters, range_start, merged)) skip_to(delimiters, range_end, merged);
  }
  std::string_view line;
  while (delimiters.read_line(&line)) merged.write_line(line);
}

}  // namespace lexiweb
