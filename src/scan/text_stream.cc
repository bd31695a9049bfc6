#include "scan/text_stream.h"

#include <string>
#include <string_view>

#include "scan/word_extraction.h"
#include "shell/page_records.h"
#include "shell/scratch_catalogue.h"
#include "shell/staged_page.h"

namespace lexiweb {

namespace {

// The characters from position `from` through `to` of the page.
std::string_view positions(const std::string& characters, long from, long to) {
  if (to < from) return {};
  return std::string_view(characters).substr(from - 1, to - from + 1);
}

}  // namespace

void cut_text_stream(long page_count, WordCutter& words) {
  PageRecords tags(kMergedTagsFile);
  bool after_last_tag = false;
  std::string characters;
  for (long page = 1; page <= page_count; ++page) {
    if (!after_last_tag && !tags.on_page(page)) continue;
    read_staged_page(page, &characters);
    const long size = static_cast<long>(characters.size());
    if (after_last_tag) {
      words.take_characters(characters, page, 1);
      continue;
    }
    long from = 1;
    while (tags.on_page(page)) {
      words.take_characters(positions(characters, from, tags.number(range_record::kStart) - 1),
                            page, from);
      words.take_separator(positions(characters, tags.number(range_record::kStart),
                                     tags.number(range_record::kEnd)));
      from = tags.number(range_record::kEnd) + 1;
      tags.advance();
      if (!tags.has_records()) {
        after_last_tag = true;
        words.take_characters(positions(characters, from, size), page, from);
      }
    }
  }
  words.finish();
}

}  // namespace lexiweb
