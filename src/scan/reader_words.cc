// The word cutter under the reader's rule: the text between two tags, its
// character references decoded, cut by the word breaker; a word broken by a
// hyphen at a line end joined with its second part.
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "common/html_references.h"
#include "common/identifiers.h"
#include "common/text.h"
#include "scan/word_extraction.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

// Longer runs without a break are data (encoded images, hashes), not words.
constexpr size_t kLongestWord = 1000;

// The tags that end a text line in the converter's pages: line breaks,
// paragraphs and divisions.
bool is_line_end_tag(std::string_view tag) {
  for (std::string_view name : {"<br", "<p", "</p", "<div", "</div"}) {
    if (tag.size() > name.size() && starts_with_ignoring_case(tag, name)) {
      const char after = tag[name.size()];
      if (after == '>' || after == '/' || after == ' ' || after == '\t' || after == '\r' ||
          after == '\n') {
        return true;
      }
    }
  }
  return false;
}

// The end of the named reference ("&" letters and digits ";") that starts
// at `at`, or 0.
size_t named_reference_end(std::string_view text, size_t at) {
  size_t end = at + 1;
  while (end < text.size() && end - at <= 32 &&
         ((text[end] >= 'a' && text[end] <= 'z') || (text[end] >= 'A' && text[end] <= 'Z') ||
          (end > at + 1 && text[end] >= '0' && text[end] <= '9'))) {
    ++end;
  }
  return end > at + 1 && end < text.size() && text[end] == ';' ? end + 1 : 0;
}

bool is_hyphen(UChar32 c) { return c == '-' || c == 0x2010 || c == 0xAD; }

}  // namespace

void WordCutter::take_reader_separator(std::string_view tag) {
  cut_piece();
  if (first_part_) {
    if (is_line_end_tag(tag)) line_ended_ = true;
    return;
  }
  // A tag between two words reads as one blank.
  blank_owed_ = !phrase_.empty() && phrase_.back() != ' ';
}

void WordCutter::finish_reader() {
  cut_piece();
  if (first_part_) take_held_first_part(false, 0, 0);
}

void WordCutter::decode_piece() {
  text_.clear();
  raw_of_.clear();
  for (size_t i = 0; i < piece_.size();) {
    if (piece_[i] == '&') {
      const DecodedReference reference = decode_reference(std::string_view(piece_).substr(i));
      if (reference.length > 0) {
        for (int k = 0; k < reference.size; ++k) {
          text_ += reference.bytes[k];
          raw_of_.push_back(static_cast<uint32_t>(i));
        }
        i += reference.length;
        continue;
      }
      // A named reference of another name (&eacute;) is no break of the
      // word it stands in: a word joiner, which no word ends with and the
      // folding leaves out.
      const size_t name_end = named_reference_end(piece_, i);
      if (name_end != 0) {
        for (char c : std::string_view("\xE2\x81\xA0")) {
          text_ += c;
          raw_of_.push_back(static_cast<uint32_t>(i));
        }
        i = name_end;
        continue;
      }
    }
    text_ += piece_[i];
    raw_of_.push_back(static_cast<uint32_t>(i));
    ++i;
  }
  raw_of_.push_back(static_cast<uint32_t>(piece_.size()));
}

void WordCutter::cut_piece() {
  if (piece_.empty()) return;
  decode_piece();
  fed_ = 0;
  breaker_.set_text(text_);
  WordPlace word;
  bool first_word = true;
  while (breaker_.next(&word)) {
    if (first_part_) {
      size_t after_first = 0;
      const bool joins = first_word && line_ended_ && piece_page_ == first_page_ &&
                         only_blanks(0, word.begin) &&
                         u_islower(character_at(text_, word.begin, &after_first));
      take_held_first_part(joins, word.begin, word.end);
      first_word = false;
      if (joins) continue;
    }
    first_word = false;
    if (ends_line_with_hyphen(word.end)) {
      hold_first_part(word.begin, word.end);
    } else {
      take_word(word.begin, word.end);
    }
  }
  // Text other than blanks between the two parts: no line-end hyphen.
  if (first_part_ && first_word && !only_blanks(0, text_.size())) {
    take_held_first_part(false, 0, 0);
  }
  if (!first_part_) feed_phrase(piece_.size());
  piece_.clear();
}

bool WordCutter::only_blanks(size_t from, size_t to) const {
  for (size_t at = from; at < to;) {
    const UChar32 c = character_at(text_, at, &at);
    if (!u_isUWhiteSpace(c) && u_charType(c) != U_FORMAT_CHAR) return false;
  }
  return true;
}

bool WordCutter::ends_line_with_hyphen(size_t word_end) const {
  if (word_end >= text_.size()) return false;
  size_t after = 0;
  if (!is_hyphen(character_at(text_, word_end, &after))) return false;
  return only_blanks(after, text_.size());
}

void WordCutter::feed_phrase(size_t raw_end) {
  for (; fed_ < raw_end; ++fed_) {
    const unsigned char code = static_cast<unsigned char>(piece_[fed_]);
    if (blank_owed_ && code >= 32) {
      if (code > 32) push_phrase(' ');
      blank_owed_ = false;
    }
    push_phrase(piece_[fed_]);
  }
}

void WordCutter::take_word(size_t begin, size_t end) {
  feed_phrase(raw_of_[begin]);
  const size_t place = phrase_base_ + phrase_.size();
  feed_phrase(raw_of_[end]);
  accept_reader_word(std::string_view(text_).substr(begin, end - begin),
                     std::string_view(piece_).substr(raw_of_[begin], raw_of_[end] - raw_of_[begin]),
                     piece_page_, piece_position_ + raw_of_[begin], place);
}

void WordCutter::hold_first_part(size_t begin, size_t end) {
  feed_phrase(raw_of_[begin]);
  first_place_ = phrase_base_ + phrase_.size();
  feed_phrase(raw_of_[end]);
  first_raw_.assign(piece_, raw_of_[begin], raw_of_[end] - raw_of_[begin]);
  first_decoded_.assign(text_, begin, end - begin);
  size_t hyphen_end = 0;
  character_at(text_, end, &hyphen_end);
  first_hyphen_.assign(piece_, raw_of_[end], raw_of_[hyphen_end] - raw_of_[end]);
  first_page_ = piece_page_;
  first_position_ = piece_position_ + raw_of_[begin];
  first_part_ = true;
  line_ended_ = false;
}

void WordCutter::take_held_first_part(bool joined_by_word, size_t begin, size_t end) {
  first_part_ = false;
  line_ended_ = false;
  if (!joined_by_word) {
    // The first part is a word of its own, the hyphen stays, and the line
    // end reads as a blank.
    accept_reader_word(first_decoded_, first_raw_, first_page_, first_position_, first_place_);
    for (char c : first_hyphen_) push_phrase(c);
    blank_owed_ = true;
    return;
  }
  // The phrase goes on from the first part with the second, as one word.
  fed_ = raw_of_[begin];
  feed_phrase(raw_of_[end]);
  const std::string_view second_raw =
      std::string_view(piece_).substr(raw_of_[begin], raw_of_[end] - raw_of_[begin]);
  joined_.assign(first_raw_).append(second_raw);
  decoded_word_.assign(first_decoded_).append(text_, begin, end - begin);
  if (!accept_reader_word(decoded_word_, joined_, first_page_, first_position_, first_place_)) {
    return;
  }
  // accept_reader_word() has left the first part's page and position in
  // page_text_ and position_text_.
  std::string first_length;
  append_right_aligned(first_length, static_cast<long>(first_raw_.size()), 0);
  std::string second_position;
  assign_page_field(second_position, piece_position_ + raw_of_[begin]);
  std::string second_length;
  append_right_aligned(second_length, static_cast<long>(second_raw.size()), 0);
  parts_.write_record({page_text_, position_text_, first_length, second_position, second_length});
}

bool WordCutter::accept_reader_word(std::string_view decoded, std::string_view raw, long page,
                                    long position, size_t place) {
  // A record field holds no double quote.
  if (raw.size() > kLongestWord || raw.find('"') != std::string_view::npos) return false;
  const std::string_view folded = folder_.fold(decoded);
  if (!is_indexed_word(folded)) return false;
  assign_page_field(page_text_, page);
  assign_page_field(position_text_, position);
  key_.clear();
  append_record_key(folder_, folded, page_text_, position_text_, key_);
  return write_word(key_, raw, page, position, place, " ");
}

}  // namespace lexiweb
