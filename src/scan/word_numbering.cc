// Word numbers, occurrence ids, index pages and the all-words list.
#include "scan/word_numbering.h"

#include <string>
#include <string_view>

#include "common/run_parameters.h"
#include "common/text.h"
#include "common/words.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

// Fields of a word record.
constexpr int kKeyField = 1;
constexpr int kWordField = 2;
constexpr int kWordPageField = 3;
constexpr int kWordPositionField = 4;
constexpr int kRunningNumberField = 5;
constexpr int kContextField = 6;

// Fields of an occurrence record that the all-words list takes.
constexpr int kWordNumberField = 1;
constexpr int kIndexPageStemField = 4;
constexpr int kOccurrenceIdField = 5;
constexpr int kOccurrenceWordField = 6;

}  // namespace

void number_occurrences() {
  RecordReader sorted_words("wrd_3.txt");
  delete_file("wrd_4.txt");
  RecordWriter occurrences("wrd_4.txt");
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
  std::string_view line;
  Record record;
  while (sorted_words.read_line(&line)) {
    record.parse(line);
    const std::string_view key = record.field(kKeyField);
    const std::string_view word = record.field(kWordField);
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
    word_number_text.clear();
    append_right_aligned(word_number_text, word_number, 8);
    index_stem.assign("in");
    append_zero_filled(index_stem, index_page, 6);
    occurrence_text.assign("i");
    append_zero_filled(occurrence_text, occurrence_number, 10);
    occurrences.write_record({word_number_text, record.field(kWordPageField),
                              record.field(kWordPositionField), index_stem, occurrence_text, word,
                              record.field(kRunningNumberField), record.field(kContextField)});
  }
}

void write_all_words_list() {
  RecordReader occurrences("wrd_4.txt");
  delete_file("wrd_12.txt");
  RecordWriter all_words("wrd_12.txt");
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
  std::string_view line;
  Record record;
  while (occurrences.read_line(&line)) {
    record.parse(line);
    const std::string_view number = record.field(kWordNumberField);
    if (count == 0 || number != group_number) {
      if (count > 0) write_group();
      stem.assign(record.field(kIndexPageStemField));
      id.assign(record.field(kOccurrenceIdField));
      group_word.assign(record.field(kOccurrenceWordField));
      group_number.assign(number);
      count = 0;
    }
    ++count;
  }
  if (count > 0) write_group();
}

}  // namespace lexiweb
