#include "driver/search_data.h"

#include "common/html_references.h"
#include "common/text.h"
#include "driver/final_pages.h"
#include "driver/scratch_files.h"
#include "shell/external_sort.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

// Appends `bytes` as a script string of one character a byte. Only
// printable ASCII stands as it is; the quotes and the backslash, which would
// end the string, and the angle brackets, which could end or comment out a
// script (</script>, <!--, -->), are written as \xHH like the control
// bytes and every byte from 127 on, among them the line separators
// U+2028 and U+2029 and any byte of invalid UTF-8.
void append_script_string(std::string& out, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (char c : bytes) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\' && c != '<' && c != '>') {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xf];
    }
  }
  out += '"';
}

namespace {

constexpr char kPartsFile[] = "parts.js";
constexpr std::string_view kPartEnd = "]);\r\n";

// The number of an index page stem ("in000012") or an occurrence id
// ("i0000000412"), written as a number: the field pads it again.
void append_number_of(std::string& out, std::string_view identifier) {
  const size_t digits = identifier.find_first_of("0123456789");
  append_right_aligned(
      out, digits == std::string_view::npos ? 0 : whole_value(identifier.substr(digits)), 0);
}

// ASCII letters in capitals, as the word list sorts words.
unsigned char folded(char c) {
  return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

class PartWriter {
 public:
  // `with_keys`: each word comes with the key the field matches it by.
  PartWriter(std::string folder, size_t part_bytes, bool with_keys)
      : folder_(std::move(folder)),
        part_bytes_(part_bytes),
        with_keys_(with_keys),
        parts_(folder_ + "/" + kPartsFile) {
    parts_.write_line("lexiwebWords.parts([");
  }

  // A word, the key it sorts and is looked up by, its count and first
  // occurrence.
  void add(std::string_view word, std::string_view key, std::string_view count,
           std::string_view index_page_stem, std::string_view occurrence_id) {
    entry_.clear();
    append_script_string(entry_, word);
    entry_ += ',';
    if (with_keys_) {
      append_script_string(entry_, key);
      entry_ += ',';
    }
    append_right_aligned(entry_, whole_value(count), 0);
    entry_ += ',';
    append_number_of(entry_, index_page_stem);
    entry_ += ',';
    append_number_of(entry_, occurrence_id);
    entry_ += ",\r\n";
    const unsigned char first = key.empty() ? 0 : folded(key[0]);
    if (!part_.empty() &&
        (first != first_byte_ || part_.size() + entry_.size() + kPartEnd.size() > part_bytes_)) {
      finish_part();
    }
    if (part_.empty()) start_part(key, first);
    part_ += entry_;
  }

  void finish() {
    if (!part_.empty()) finish_part();
    parts_.write_line(with_keys_ ? "], \"folded\");" : "]);");
    parts_.close();
  }

 private:
  void start_part(std::string_view word, unsigned char first) {
    ++part_number_;
    first_byte_ = first;
    part_ = "lexiwebWords.part(";
    append_right_aligned(part_, part_number_, 0);
    part_ += ", [\r\n";
    key_.assign(word);
    for (char& c : key_) c = static_cast<char>(folded(c));
    std::string line;
    append_script_string(line, key_);
    line += ',';
    parts_.write_line(line);
  }

  void finish_part() {
    part_ += kPartEnd;
    write_whole_file(folder_ + "/p" + std::to_string(part_number_) + ".js", part_);
    part_.clear();
  }

  std::string folder_;
  size_t part_bytes_;
  bool with_keys_;
  RecordWriter parts_;
  std::string part_;
  std::string entry_;
  std::string key_;
  long part_number_ = 0;
  unsigned char first_byte_ = 0;
};

bool is_search_data_file(std::string_view name) {
  return name == kPartsFile || is_numbered(name, "p", ".js");
}

// The all-words list with the search key of each word, sorted by it.
void write_sorted_search_words() {
  {
    RecordReader words(kAllWordsFile);
    RecordWriter keyed(kSearchWordsFile);
    WordFolder folder;
    std::string decoded;
    std::string key;
    Record record;
    while (words.read_record(&record)) {
      decoded.clear();
      append_decoded(decoded, record.field(all_words_record::kWord));
      const std::string_view folded = folder.fold(decoded);
      const bool accented = folder.without_accents(folded) != folded;
      key.assign(folder.without_accents(folded));
      // A record field holds no double quote.
      for (char& c : key) c = c == '"' ? '\x7f' : c;
      keyed.write_record({key, accented ? "0" : "1", record.field(all_words_record::kIndexPageStem),
                          record.field(all_words_record::kOccurrenceId),
                          record.field(all_words_record::kWord),
                          record.field(all_words_record::kCount)});
    }
    words.close();
    keyed.close();
  }
  external_sort(kSearchWordsFile, kSortedSearchWordsFile, search_word_record::kFieldCount,
                search_word_record::kKey);
  delete_file(kSearchWordsFile);
}

}  // namespace

void write_search_data(size_t part_bytes, WordRule rule) {
  const std::string folder = std::string(kOutputFolder) + std::string(kSearchDataFolder);
  if (!folder_exists(folder)) make_folder(folder);
  const bool by_keys = rule == WordRule::kReader;
  PartWriter writer(folder, part_bytes, by_keys);
  Record record;
  if (by_keys) {
    write_sorted_search_words();
    RecordReader words(kSortedSearchWordsFile);
    while (words.read_record(&record)) {
      writer.add(record.field(search_word_record::kWord), record.field(search_word_record::kKey),
                 record.field(search_word_record::kCount),
                 record.field(search_word_record::kIndexPageStem),
                 record.field(search_word_record::kOccurrenceId));
    }
    words.close();
    delete_file(kSortedSearchWordsFile);
  } else {
    RecordReader words(kAllWordsFile);
    while (words.read_record(&record)) {
      const std::string_view word = record.field(all_words_record::kWord);
      writer.add(word, word, record.field(all_words_record::kCount),
                 record.field(all_words_record::kIndexPageStem),
                 record.field(all_words_record::kOccurrenceId));
    }
    words.close();
  }
  writer.finish();
}

void delete_search_data(const std::string& site_folder) {
  const std::string folder = site_folder + "/" + std::string(kSearchDataFolder);
  if (!folder_exists(folder)) return;
  for (const std::string& name : matching_files(folder, "*")) {
    if (is_search_data_file(name)) delete_file(folder + "/" + name);
  }
  remove_empty_folder(folder);
}

}  // namespace lexiweb
