#include "scan/text_stream.h"

#include <string>
#include <string_view>

#include "common/text.h"
#include "scan/word_extraction.h"
#include "shell/record_reader.h"
#include "shell/staged_page.h"

namespace lexiweb {

namespace {

// The merged tags in document order, read one ahead so that the last tag of
// the document is known when it comes.
class TagList {
 public:
  explicit TagList(const std::string& path) : in_(path) { advance(); }

  bool has_tag_on(long page) const { return present_ && page_ == page; }
  bool is_empty() const { return !present_; }
  long start() const { return start_; }
  long end() const { return end_; }
  void advance() {
    present_ = in_.read_record(&record_);
    if (!present_) return;
    page_ = whole_value(record_.field(1));
    start_ = whole_value(record_.field(2));
    end_ = whole_value(record_.field(3));
  }

 private:
  RecordReader in_;
  Record record_;
  bool present_ = false;
  long page_ = 0;
  long start_ = 0;
  long end_ = 0;
};

// The characters from position `from` through `to` of the page.
std::string_view positions(const std::string& characters, long from, long to) {
  if (to < from) return {};
  return std::string_view(characters).substr(from - 1, to - from + 1);
}

}  // namespace

void cut_text_stream(long page_count, WordCutter& words) {
  TagList tags("tag_4.txt");
  bool after_last_tag = false;
  std::string characters;
  for (long page = 1; page <= page_count; ++page) {
    if (!after_last_tag && !tags.has_tag_on(page)) continue;
    read_staged_page(page, &characters);
    const long size = static_cast<long>(characters.size());
    if (after_last_tag) {
      words.take_characters(characters, page, 1);
      continue;
    }
    long from = 1;
    while (tags.has_tag_on(page)) {
      words.take_characters(positions(characters, from, tags.start() - 1), page, from);
      words.take_separator();
      from = tags.end() + 1;
      tags.advance();
      if (tags.is_empty()) {
        after_last_tag = true;
        words.take_characters(positions(characters, from, size), page, from);
      }
    }
  }
}

}  // namespace lexiweb
