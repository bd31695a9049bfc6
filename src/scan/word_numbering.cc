// Word numbers, occurrence ids, index pages and the all-words list.
#include "scan/word_numbering.h"

#include <string>
#include <string_view>

#include "common/identifiers.h"
#include "common/run_parameters.h"
#include "common/text.h"
#include "common/words.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

void number_occurrences() {
  RecordReader sorted_words(kSortedWordsFile);
  delete_file(kOccurrencesFile);
  RecordWriter occurrences(kOccurrencesFile);
  long word_number = 1;
  long occurrence_number = 1;
  long index_page = 1;
  long on_index_page = 0;
  bool first = true;
  std::string group_key;
  std::string group_word;
  std::string word_number_text;
  std::string index_stem;
  std::string occurrence_text;
  const bool keyed = word_rule() == WordRule::kReader;
  auto field = [&](const Record& record, word_record::Field name) {
    return record.field(word_record::field_number(name, keyed));
  };
  Record record;
  while (sorted_words.read_record(&record)) {
    const std::string_view key = keyed ? record.field(word_record::kKey) : std::string_view();
    const std::string_view word = field(record, word_record::kWord);
    if (first) {
      first = false;
      on_index_page = 1;
      group_key.assign(key);
      group_word.assign(word);
    } else {
      ++on_index_page;
      ++occurrence_number;
      if (!same_word(key, word, group_key, group_word)) {
        group_key.assign(key);
        group_word.assign(word);
        ++word_number;
      }
      // A word's occurrences may go on over the next index page.
      if (on_index_page > entries_per_index_page) {
        on_index_page = 1;
        ++index_page;
      }
    }
    assign_word_number_text(word_number_text, word_number);
    assign_index_page_stem(index_stem, index_page);
    assign_occurrence_id(occurrence_text, occurrence_number);
    occurrences.write_record({word_number_text, field(record, word_record::kPage),
                              field(record, word_record::kPosition), index_stem, occurrence_text,
                              word, field(record, word_record::kRunningNumber),
                              field(record, word_record::kContext)});
  }
}

void write_all_words_list() {
  RecordReader occurrences(kOccurrencesFile);
  delete_file(kAllWordsFile);
  RecordWriter all_words(kAllWordsFile);
  // A group's entry waits for the group's end, which gives its count.
  std::string stem;
  std::string id;
  std::string group_word;
  std::string group_number;
  long count = 0;
  std::string count_text;
  auto write_group = [&] {
    count_text.clear();
    append_right_aligned(count_text, count, 0);
    all_words.write_record({stem, id, group_word, count_text});
  };
  Record record;
  while (occurrences.read_record(&record)) {
    const std::string_view number = record.field(occurrence_record::kWordNumber);
    if (count == 0 || number != group_number) {
      if (count > 0) write_group();
      stem.assign(record.field(occurrence_record::kIndexPageStem));
      id.assign(record.field(occurrence_record::kOccurrenceId));
      group_word.assign(record.field(occurrence_record::kWord));
      group_number.assign(number);
      count = 0;
    }
    ++count;
  }
  if (count > 0) write_group();
}

}  // namespace lexiweb
