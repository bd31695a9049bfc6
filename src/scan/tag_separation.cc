#include "scan/tag_separation.h"

#include "common/identifiers.h"
#include "shell/file_ops.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"
#include "shell/staged_page.h"

namespace lexiweb {

namespace {

constexpr size_t kLongestTagText = 59;

}  // namespace

bool DelimiterPairs::take(char delimiter, long page, long position) {
  switch (expect_) {
    case Expect::kFirst:
      first_ = delimiter;
      first_page_ = page;
      first_position_ = position;
      expect_ = Expect::kSecond;
      return false;
    case Expect::kSecond:
      if (first_ == '<' && delimiter == '>' && first_page_ == page) {
        expect_ = Expect::kFirst;
        return true;
      }
      expect_ = Expect::kDropped;
      return false;
    case Expect::kDropped:
      expect_ = Expect::kFirst;
      return false;
  }
  return false;
}

void append_tag_text(std::string_view inside, std::string* text) {
  for (char c : inside.substr(0, kLongestTagText)) {
    if (c == '"' || c == '\'') {
      text->push_back(' ');
    } else if (c != '\n' && c != '\r') {
      text->push_back(c);
    }
  }
}

void write_tag_records(long page_count) {
  delete_file(kTagRecordsFile);
  RecordWriter out(kTagRecordsFile);
  DelimiterPairs pairs;
  std::string characters;
  std::string text;
  for (long page = 1; page <= page_count; ++page) {
    read_staged_page(page, &characters);
    const std::string page_text = page_field(page);
    const size_t size = characters.size();
    const char* bytes = characters.data();
    for (size_t i = 0; i < size; ++i) {
      if (bytes[i] != '<' && bytes[i] != '>') continue;
      const long position = static_cast<long>(i) + 1;
      if (!pairs.take(bytes[i], page, position)) continue;
      const long open = pairs.open_position();
      text.clear();
      append_tag_text(std::string_view(bytes + open, position - 1 - open), &text);
      out.write_record({page_text, page_field(open), page_field(position), text});
    }
  }
}

}  // namespace lexiweb
