// The tag class table and the boundary records of the frame tags and frame
// elements it names.
#include <string>
#include <string_view>

#include "annotate/tag_classification.h"
#include "common/text.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

// Class codes: the tag stays; the tag alone is removed; the element from its
// start tag through its end tag is removed, content included.
constexpr std::string_view kKeptTag = "00";
constexpr std::string_view kFrameTag = "01";
constexpr std::string_view kFrameElement = "02";

struct TagClass {
  std::string_view name;
  std::string_view code;
};

constexpr TagClass kTagClasses[] = {
    {"!DOCTYPE", kFrameTag},  {"HTML", kFrameTag}, {"/HTML", kFrameTag}, {"HEAD", kFrameElement},
    {"TITLE", kFrameElement}, {"BODY", kFrameTag}, {"/BODY", kFrameTag}, {"IMG", kKeptTag},
    {"SCRIPT", kKeptTag},     {"STYLE", kKeptTag}, {"TABLE", kKeptTag},
};

constexpr std::string_view kStartCode = "   60";
constexpr std::string_view kEndCode = "   62";
constexpr std::string_view kBlankCharacter = "     ";

// Tag record fields (htm_el_2.txt).
constexpr int kTagPage = 1;
constexpr int kTagStart = 2;
constexpr int kTagEnd = 3;
constexpr int kTagText = 4;

// A tag names `name` when its text begins with it, letters compared without
// regard to case; attributes or further letters may follow.
bool names(const Record& tag, std::string_view name) {
  return starts_with_ignoring_case(tag.field(kTagText), name);
}

void write_boundary(RecordWriter& out, std::string_view code, std::string_view page,
                    std::string_view position, std::string_view name) {
  out.write_record({code, page, position, kBlankCharacter, name});
}

// Every tag that names `name` is removed by itself.
void write_frame_tag_boundaries(RecordReader& tags, std::string_view name, RecordWriter& out) {
  Record tag;
  while (tags.read_record(&tag)) {
    if (!names(tag, name)) continue;
    std::string_view prefix = tag.field(kTagText).substr(0, name.size());
    write_boundary(out, kStartCode, tag.field(kTagPage), tag.field(kTagStart), prefix);
    write_boundary(out, kEndCode, tag.field(kTagPage), tag.field(kTagEnd), prefix);
  }
}

// Each start tag is paired with the first end tag after it; the pair is
// removed with everything between when both stand on one page, and the search
// for the next start tag resumes after that end tag either way.
void write_frame_element_boundaries(RecordReader& tags, std::string_view name, RecordWriter& out) {
  std::string end_name = "/";
  end_name += name;
  std::string start_page;
  std::string start_position;
  Record tag;
  while (tags.read_record(&tag)) {
    if (!names(tag, name)) continue;
    start_page.assign(tag.field(kTagPage));
    start_position.assign(tag.field(kTagStart));
    bool found = false;
    while (tags.read_record(&tag)) {
      if (names(tag, end_name)) {
        found = true;
        break;
      }
    }
    if (!found) return;
    if (tag.field(kTagPage) == start_page) {
      write_boundary(out, kStartCode, start_page, start_position, name);
      write_boundary(out, kEndCode, tag.field(kTagPage), tag.field(kTagEnd), end_name);
    }
  }
}

}  // namespace

void write_tag_class_table() {
  RecordWriter out("htm_elex.txt");
  for (const TagClass& tag_class : kTagClasses) {
    out.write_line(tag_class.name);
    out.write_line(tag_class.code);
  }
}

void write_frame_boundaries() {
  RecordReader table("htm_elex.txt");
  RecordReader tags("htm_el_2.txt");
  RecordWriter out("tag_5.txt");
  std::string name;
  std::string_view line;
  while (table.read_line(&line)) {
    name.assign(line);
    if (!table.read_line(&line)) break;
    tags.rewind();
    if (line == kFrameTag) {
      write_frame_tag_boundaries(tags, name, out);
    } else if (line == kFrameElement) {
      write_frame_element_boundaries(tags, name, out);
    }
  }
}

}  // namespace lexiweb
