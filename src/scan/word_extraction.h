// Word records: which runs of text are words, how they are trimmed, and the
// context phrase that goes with each.
#ifndef LEXIWEB_SCAN_WORD_EXTRACTION_H_
#define LEXIWEB_SCAN_WORD_EXTRACTION_H_

#include <array>
#include <string>
#include <string_view>

#include "common/run_parameters.h"

namespace lexiweb {

class RecordWriter;

// Cuts the text stream into word records (word, page, position, running
// number, context) written to `out`. The state runs on from page to page:
// a word, the phrase and the window of the last words carry over.
class WordCutter {
 public:
  explicit WordCutter(RecordWriter& out) : out_(out) {}

  // Takes the characters `run` of `page`, the first at `first_position`.
  void take_characters(std::string_view run, long page, long first_position);
  // A separator: the place of a tag, which ends a word.
  void take_separator() { end_word(); }

  // Running number of the last accepted word.
  long word_count() const { return word_count_; }

 private:
  void end_word();
  void accept_word();
  void cut_phrase_front(size_t bytes);
  void clear_phrase() { cut_phrase_front(phrase_.size()); }

  RecordWriter& out_;
  std::string word_;
  bool started_ = false;
  long start_page_ = 0;
  long start_position_ = 0;
  // Places in the phrase are counted from the first byte ever put into it,
  // so that they stay valid when its front is cut: phrase_[0] is at place
  // phrase_base_.
  std::string phrase_;
  size_t phrase_base_ = 0;
  // Place of the current word's first character.
  size_t word_place_ = 0;
  // Place just past the last "<" or ">" put into the phrase; 0 for none.
  size_t delimiter_end_ = 0;
  // The last accepted words, oldest first, in a ring: newest_ is the slot of
  // the newest, the one after it holds the oldest. window_places_ holds the
  // place of each word's own occurrence.
  std::array<std::string, context_words> window_;
  std::array<size_t, context_words> window_places_{};
  int newest_ = context_words - 1;
  long word_count_ = 0;
};

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_WORD_EXTRACTION_H_
