#include "scan/word_extraction.h"

#include <cstdio>

#include "common/text.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

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

// A number formatted into a buffer of its own, without allocation.
class NumberText {
 public:
  NumberText(long value, const char* format)
      : size_(static_cast<size_t>(std::snprintf(text_, sizeof text_, format, value))) {}
  std::string_view view() const { return std::string_view(text_, size_); }

 private:
  char text_[24];
  size_t size_;
};

}  // namespace

void WordCutter::take_characters(std::string_view run, long page, long first_position) {
  long position = first_position;
  for (char c : run) {
    const unsigned char code = static_cast<unsigned char>(c);
    // Blanks belong to the phrase, control characters and quotes do not.
    if (code > 31 && code != 34) {
      phrase_.push_back(c);
      if (c == '<' || c == '>') delimiter_end_ = phrase_base_ + phrase_.size();
    }
    if (code > 32 && code != 34) {
      word_.push_back(c);
      if (word_.size() == 1 && is_leading_punctuation(c)) word_.clear();
      if (!started_ && !word_.empty()) {
        started_ = true;
        start_page_ = page;
        start_position_ = position;
        word_place_ = phrase_base_ + phrase_.size() - 1;
      }
    } else {
      end_word();
    }
    ++position;
  }
}

void WordCutter::end_word() {
  if (is_accepted(word_)) {
    if (trim_blanks(word_) == "&nbsp;") {
      clear_phrase();
    } else {
      accept_word();
    }
  }
  word_.clear();
  started_ = false;
}

void WordCutter::cut_phrase_front(size_t bytes) {
  phrase_.erase(0, bytes);
  phrase_base_ += bytes;
}

void WordCutter::accept_word() {
  trim_trailing_punctuation(word_);
  newest_ = (newest_ + 1) % context_words;
  window_[newest_].assign(word_);
  window_places_[newest_] = word_place_;
  // The context starts at the first place where the word accepted
  // context_words - 1 words ago appears.
  const int oldest = (newest_ + 1) % context_words;
  if (!window_[oldest].empty()) {
    size_t start = phrase_.find(window_[oldest]);
    if (start != std::string::npos) cut_phrase_front(start);
    // In a run of one word that first place stays at the front, and the
    // context would grow with the run; a long one begins at the word's own
    // occurrence instead, when that is still in the phrase.
    const size_t own = window_places_[oldest];
    if (phrase_.size() > long_context_bytes && own > phrase_base_) {
      cut_phrase_front(own - phrase_base_);
    }
  }
  phrase_.push_back(' ');
  ++word_count_;
  // A stray delimiter in the word or its context would break the markup of
  // the pages; such a word keeps its running number but is not written.
  if (word_.find_first_of("<>") != std::string::npos || delimiter_end_ > phrase_base_) return;
  NumberText running(word_count_, "%ld");
  NumberText page(start_page_, "%10ld");
  NumberText position(start_position_, "%10ld");
  out_.write_record({word_, page.view(), position.view(), running.view(), phrase_});
}

}  // namespace lexiweb
