#include "scan/style_script_removal.h"

#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

namespace {

struct Tag {
  std::string page;
  std::string start;
  std::string end;
};

// The element whose closing tag the scan waits for. Tags between its opening
// and closing tags are not examined: a script inside a style element belongs
// to the style element. The tags of the opening page are held back, since
// they become part of one merged tag when the closing tag follows on that
// page; once the page is left, no merge can come and they go out as they are.
class ElementMerger {
 public:
  explicit ElementMerger(RecordWriter& out) : out_(out) {}

  void take(const Record& record) {
    std::string_view text = record.field(tag_record::kText);
    if (closing_.empty()) {
      if (starts_with_ignoring_case(text, "style")) {
        closing_ = "/style";
      } else if (starts_with_ignoring_case(text, "script")) {
        closing_ = "/script";
      } else {
        write(record.field(tag_record::kPage), record.field(tag_record::kStart),
              record.field(tag_record::kEnd));
        return;
      }
      held_.push_back(tag_of(record));
      return;
    }
    if (!held_.empty() && record.field(tag_record::kPage) != held_.front().page) release_held();
    if (starts_with_ignoring_case(text, closing_)) {
      closing_ = {};
      if (!held_.empty()) {
        write(held_.front().page, held_.front().start, record.field(tag_record::kEnd));
        held_.clear();
        return;
      }
    } else if (!held_.empty()) {
      held_.push_back(tag_of(record));
      return;
    }
    write(record.field(tag_record::kPage), record.field(tag_record::kStart),
          record.field(tag_record::kEnd));
  }

  // At the end of the tags an element still open merges nothing.
  void finish() { release_held(); }

 private:
  static Tag tag_of(const Record& record) {
    return {std::string(record.field(tag_record::kPage)),
            std::string(record.field(tag_record::kStart)),
            std::string(record.field(tag_record::kEnd))};
  }

  void write(std::string_view page, std::string_view start, std::string_view end) {
    out_.write_record({page, start, end});
  }

  void release_held() {
    for (const Tag& tag : held_) write(tag.page, tag.start, tag.end);
    held_.clear();
  }

  RecordWriter& out_;
  std::string_view closing_;  // empty while no element is open
  std::vector<Tag> held_;
};

}  // namespace

void strip_style_script() {
  RecordReader tags(kTagRecordsFile);
  delete_file(kMergedTagsFile);
  RecordWriter out(kMergedTagsFile);
  ElementMerger merger(out);
  Record record;
  while (tags.read_record(&record)) merger.take(record);
  merger.finish();
}

}  // namespace lexiweb
