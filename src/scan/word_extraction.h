// Word records: which runs of text are words, how they are trimmed, and the
// context phrase that goes with each.
#ifndef LEXIWEB_SCAN_WORD_EXTRACTION_H_
#define LEXIWEB_SCAN_WORD_EXTRACTION_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/run_parameters.h"
#include "common/words.h"

namespace lexiweb {

class RecordWriter;

// Cuts the text stream into word records (sort key, word, page, position,
// running number, context) written to `out`, by the word rule in force
// (common/words.h). The state runs on from page to page: a word, the
// phrase and the window of the last words carry over. Under the reader's
// rule a word broken by a hyphen at a line end is one word; its two parts
// are written to `parts` (the word parts of shell/scratch_catalogue.h).
class WordCutter {
 public:
  WordCutter(RecordWriter& out, RecordWriter& parts, WordRule rule = word_rule())
      : out_(out), parts_(parts), rule_(rule) {}

  // Takes the characters `run` of `page`, the first at `first_position`.
  void take_characters(std::string_view run, long page, long first_position);
  // A separator: the place of the tag `tag`, which ends a word.
  void take_separator(std::string_view tag);
  // The end of the stream.
  void finish();

  // Running number of the last accepted word.
  long word_count() const { return word_count_; }

 private:
  // The byte rule.
  void take_bytes(std::string_view run, long page, long first_position);
  void end_word();
  void accept_word();

  // The reader's rule: the text between two tags is cut as a whole.
  void take_reader_separator(std::string_view tag);
  void finish_reader();
  void cut_piece();
  void decode_piece();
  bool ends_line_with_hyphen(size_t word_end) const;
  bool only_blanks(size_t from, size_t to) const;
  void hold_first_part(size_t begin, size_t end);
  void take_held_first_part(bool joined_by_word, size_t begin, size_t end);
  void feed_phrase(size_t raw_end);
  void take_word(size_t begin, size_t end);
  bool accept_reader_word(std::string_view decoded, std::string_view raw, long page, long position,
                          size_t place);

  // Both rules.
  void push_phrase(char c);
  // Accepts a word; false when it took its running number but could not
  // be written.
  bool write_word(std::string_view key, std::string_view word, long page, long position,
                  size_t place, std::string_view context_end);
  void cut_phrase_front(size_t bytes);
  void clear_phrase() { cut_phrase_front(phrase_.size()); }

  RecordWriter& out_;
  RecordWriter& parts_;
  const WordRule rule_;
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

  // The reader's rule: the piece of text between two tags as the page has
  // it, and decoded, with the piece's byte of each decoded byte.
  std::string piece_;
  long piece_page_ = 0;
  long piece_position_ = 0;
  std::string text_;
  std::vector<uint32_t> raw_of_;
  size_t fed_ = 0;           // bytes of the piece put into the phrase
  bool blank_owed_ = false;  // a tag went by since the last text of the phrase
  WordBreaker breaker_;
  WordFolder folder_;
  std::string key_;
  std::string page_text_;
  std::string position_text_;
  std::string joined_;
  std::string decoded_word_;
  // A word's first part, that ended a line with a hyphen, waiting for its
  // second part at the start of the next line.
  bool first_part_ = false;
  bool line_ended_ = false;
  std::string first_raw_;
  std::string first_decoded_;
  std::string first_hyphen_;
  long first_page_ = 0;
  long first_position_ = 0;
  size_t first_place_ = 0;
};

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_WORD_EXTRACTION_H_
