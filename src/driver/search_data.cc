#include "driver/search_data.h"

#include "common/text.h"
#include "driver/final_pages.h"
#include "driver/scratch_files.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

namespace {

constexpr char kPartsFile[] = "parts.js";
constexpr std::string_view kPartEnd = "]);\r\n";

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
  PartWriter(std::string folder, size_t part_bytes)
      : folder_(std::move(folder)), part_bytes_(part_bytes), parts_(folder_ + "/" + kPartsFile) {
    parts_.write_line("lexiwebWords.parts([");
  }

  void add(const Record& record) {
    const std::string_view word = record.field(all_words_record::kWord);
    entry_.clear();
    append_script_string(entry_, word);
    entry_ += ',';
    append_right_aligned(entry_, whole_value(record.field(all_words_record::kCount)), 0);
    entry_ += ',';
    append_number_of(entry_, record.field(all_words_record::kIndexPageStem));
    entry_ += ',';
    append_number_of(entry_, record.field(all_words_record::kOccurrenceId));
    entry_ += ",\r\n";
    const unsigned char first = word.empty() ? 0 : folded(word[0]);
    if (!part_.empty() &&
        (first != first_byte_ || part_.size() + entry_.size() + kPartEnd.size() > part_bytes_)) {
      finish_part();
    }
    if (part_.empty()) start_part(word, first);
    part_ += entry_;
  }

  void finish() {
    if (!part_.empty()) finish_part();
    parts_.write_line("]);");
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

}  // namespace

void write_search_data(size_t part_bytes) {
  const std::string folder = std::string(kOutputFolder) + std::string(kSearchDataFolder);
  if (!folder_exists(folder)) make_folder(folder);
  PartWriter writer(folder, part_bytes);
  RecordReader words(kAllWordsFile);
  Record record;
  while (words.read_record(&record)) writer.add(record);
  words.close();
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
