#include "annotate/tag_classification.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/identifiers.h"
#include "common/text.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

namespace {

// Tags removed by themselves.
constexpr std::string_view kFrameTags[] = {"!DOCTYPE", "HTML", "/HTML", "BODY", "/BODY"};

using Range = std::pair<long, long>;

// Pairs each start tag of an element with the first end tag after it.
class FrameElement {
 public:
  explicit FrameElement(std::string_view name) : start_name_(name), end_name_("/") {
    end_name_ += name;
  }

  // Takes the next tag; adds the element's range to `ranges` when the tag
  // ends an element that started on the same page.
  void take(long page, long start, long end, std::string_view text, std::vector<Range>* ranges) {
    if (!open_) {
      if (!starts_with_ignoring_case(text, start_name_)) return;
      open_ = true;
      start_page_ = page;
      start_ = start;
      return;
    }
    if (!starts_with_ignoring_case(text, end_name_)) return;
    open_ = false;
    if (page == start_page_) ranges->push_back({start_, end});
  }

 private:
  std::string_view start_name_;
  std::string end_name_;
  bool open_ = false;
  long start_page_ = 0;
  long start_ = 0;
};

void write_ranges(RecordWriter& out, long page, std::vector<Range>* ranges) {
  std::sort(ranges->begin(), ranges->end());
  const std::string page_text = page_field(page);
  size_t i = 0;
  while (i < ranges->size()) {
    Range joined = (*ranges)[i++];
    while (i < ranges->size() && (*ranges)[i].first <= joined.second + 1) {
      joined.second = std::max(joined.second, (*ranges)[i++].second);
    }
    out.write_record({page_text, page_field(joined.first), page_field(joined.second)});
  }
  ranges->clear();
}

}  // namespace

void classify_tags() {
  RecordReader tags(kTagRecordsFile);
  delete_file(kFrameRangesFile);
  RecordWriter out(kFrameRangesFile);
  FrameElement head("HEAD");
  FrameElement title("TITLE");
  std::vector<Range> ranges;  // of the page being read
  long current_page = 0;
  Record tag;
  while (tags.read_record(&tag)) {
    const long page = whole_value(tag.field(tag_record::kPage));
    const long start = whole_value(tag.field(tag_record::kStart));
    const long end = whole_value(tag.field(tag_record::kEnd));
    std::string_view text = tag.field(tag_record::kText);
    if (page != current_page) {
      write_ranges(out, current_page, &ranges);
      current_page = page;
    }
    for (std::string_view name : kFrameTags) {
      if (starts_with_ignoring_case(text, name)) ranges.push_back({start, end});
    }
    head.take(page, start, end, text, &ranges);
    title.take(page, start, end, text, &ranges);
  }
  write_ranges(out, current_page, &ranges);
}

}  // namespace lexiweb
