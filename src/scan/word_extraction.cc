// Word records: which runs of characters are words, how they are trimmed,
// and the context phrase that goes with each.
#include "scan/word_extraction.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/run_parameters.h"
#include "common/run_values.h"
#include "common/text.h"
#include "platform/console.h"
#include "scan/scan_records.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

// The last accepted words, oldest first; a fixed ring, so that shifting costs
// no copy of the other words.
class ContextWindow {
 public:
  // Puts `word` at the newest end; the oldest word drops out.
  void push(std::string_view word) {
    newest_ = (newest_ + 1) % context_words;
    slots_[newest_].assign(word);
  }
  std::string_view oldest() const { return slots_[(newest_ + 1) % context_words]; }

 private:
  std::array<std::string, context_words> slots_;
  int newest_ = context_words - 1;
};

// A single one of these never starts a word.
bool is_leading_punctuation(char c) {
  return std::string_view("(),;.:-_").find(c) != std::string_view::npos;
}

// Removes at most one trailing punctuation character; a character entity
// keeps its closing ";".
void trim_trailing_punctuation(std::string& word) {
  if (word.empty()) return;
  const char last = word.back();
  if (std::string_view("(),.:-_").find(last) != std::string_view::npos ||
      (last == ';' && word.front() != '&')) {
    word.pop_back();
  }
}

bool is_accepted(std::string_view word) {
  if (word.empty()) return false;
  return word.size() >= static_cast<size_t>(min_word_length) || (word[0] >= '1' && word[0] <= '9');
}

class WordCutter {
 public:
  explicit WordCutter(RecordWriter& out) : out_(out) {}

  // Takes one record of the text stream.
  void take(const CharacterRecord& record) {
    const int code = code_value(record.code());
    const char character = static_cast<char>(code);
    if (code > 31 && code != 34) phrase_.push_back(character);
    if (code > 32 && code != 34) {
      add_to_word(character, record);
    } else {
      end_word();
    }
  }

 private:
  void add_to_word(char character, const CharacterRecord& record) {
    word_.push_back(character);
    if (word_.size() == 1 && is_leading_punctuation(character)) word_.clear();
    if (!started_ && !word_.empty()) {
      started_ = true;
      start_page_.assign(record.page());
      start_position_.assign(record.position());
      if (numeric_value(start_page_) == 0) end_on_damaged_page();
    }
  }

  void end_word() {
    if (is_accepted(word_)) {
      if (trim_blanks(word_) == "&nbsp;") {
        phrase_.clear();
      } else {
        accept_word();
      }
    }
    word_.clear();
    started_ = false;
  }

  void accept_word() {
    trim_trailing_punctuation(word_);
    window_.push(word_);
    // The context starts at the first place where the word accepted
    // context_words - 1 words ago appears.
    std::string_view oldest = window_.oldest();
    if (!oldest.empty()) {
      size_t start = phrase_.find(oldest);
      if (start != std::string::npos) phrase_.erase(0, start);
    }
    phrase_.push_back(' ');
    ++g_run.word_count;
    // A stray delimiter in the word or its context would break the markup
    // of the pages; such a word keeps its running number but is not written.
    if (word_.find_first_of("<>") != std::string::npos ||
        phrase_.find_first_of("<>") != std::string::npos) {
      return;
    }
    char digits[24];
    auto [end, error] = std::to_chars(digits, digits + sizeof(digits), g_run.word_count);
    (void)error;
    out_.write_record(
        {word_, start_page_, start_position_, std::string_view(digits, end - digits), phrase_});
  }

  [[noreturn]] void end_on_damaged_page() {
    out_.close();
    print_line("---------------------------");
    print_line("VAL(wrd.file.num$) = 0");
    std::exit(0);
  }

  RecordWriter& out_;
  std::string word_;
  bool started_ = false;
  std::string start_page_;
  std::string start_position_;
  std::string phrase_;
  ContextWindow window_;
};

}  // namespace

void write_word_records() {
  RecordReader text("wrd_1.txt");
  delete_file("wrd_2.txt");
  RecordWriter words("wrd_2.txt");
  g_run.word_count = 0;
  WordCutter cutter(words);
  std::string_view line;
  CharacterRecord record;
  while (text.read_line(&line)) {
    record.parse(line);
    cutter.take(record);
  }
}

}  // namespace lexiweb
