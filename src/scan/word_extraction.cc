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
  if (rule_ == WordRule::kBytes) {
    take_bytes(run, page, first_position);
    return;
  }
  if (run.empty()) return;
  // A piece is the text between two tags; the stream after the last tag
  // of the document comes page by page.
  if (!piece_.empty() && (page != piece_page_ ||
                          first_position != piece_position_ + static_cast<long>(piece_.size()))) {
    cut_piece();
  }
  if (piece_.empty()) {
    piece_page_ = page;
    piece_position_ = first_position;
  }
  piece_.append(run);
}

void WordCutter::push_phrase(char c) {
  const unsigned char code = static_cast<unsigned char>(c);
  // Blanks belong to the phrase, control characters and quotes do not.
  if (code > 31 && code != 34) {
    phrase_.push_back(c);
    if (c == '<' || c == '>') delimiter_end_ = phrase_base_ + phrase_.size();
  }
}

void WordCutter::take_bytes(std::string_view run, long page, long first_position) {
  long position = first_position;
  for (char c : run) {
    const unsigned char code = static_cast<unsigned char>(c);
    push_phrase(c);
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

void WordCutter::take_separator(std::string_view tag) {
  if (rule_ == WordRule::kBytes) {
    end_word();
    return;
  }
  take_reader_separator(tag);
}

void WordCutter::finish() {
  if (rule_ == WordRule::kReader) finish_reader();
}

void WordCutter::end_word() {
  if (is_indexed_byte_word(word_)) {
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
  // Every accepted word leaves a blank after it in the phrase.
  write_word({}, word_, start_page_, start_position_, word_place_, " ");
  phrase_.push_back(' ');
}

bool WordCutter::write_word(std::string_view key, std::string_view word, long page, long position,
                            size_t place, std::string_view context_end) {
  newest_ = (newest_ + 1) % context_words;
  window_[newest_].assign(word);
  window_places_[newest_] = place;
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
  ++word_count_;
  // A stray delimiter in the word or its context would break the markup of
  // the pages; such a word keeps its running number but is not written.
  if (word.find_first_of("<>") != std::string::npos || delimiter_end_ > phrase_base_) return false;
  NumberText running(word_count_, "%ld");
  NumberText page_text(page, "%10ld");
  NumberText position_text(position, "%10ld");
  phrase_.append(context_end);
  if (word_rule() == WordRule::kReader) {
    out_.write_record({key, word, page_text.view(), position_text.view(), running.view(), phrase_});
  } else {
    // No key field under the byte rule (scratch_catalogue.h: word_record).
    out_.write_record({word, page_text.view(), position_text.view(), running.view(), phrase_});
  }
  phrase_.resize(phrase_.size() - context_end.size());
  return true;
}

}  // namespace lexiweb
