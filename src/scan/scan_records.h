// Pieces shared by the scanning steps: the character record split into its
// four fields, a character record that outlives the next read of its file,
// and the value of a code field.
#ifndef LEXIWEB_SCAN_SCAN_RECORDS_H_
#define LEXIWEB_SCAN_SCAN_RECORDS_H_

#include <string>
#include <string_view>

#include "shell/character_code.h"
#include "shell/record_reader.h"

namespace lexiweb {

// Fields of a character record: code (5 columns), page (10), position (10), character.
inline constexpr int kCodeField = 1;
inline constexpr int kPageField = 2;
inline constexpr int kPositionField = 3;
inline constexpr int kCharacterField = 4;

inline constexpr int kLessThanCode = 60;
inline constexpr int kGreaterThanCode = 62;

// The fields of one character record, as views into its line. The character
// files hold one record per byte of the pages, so the usual layout (fields of
// 5, 10 and 10 columns) is split by its columns; any other line goes through
// the general record parser.
class CharacterRecord {
 public:
  void parse(std::string_view line);
  void clear() { code_ = page_ = position_ = character_ = {}; }

  std::string_view code() const { return code_; }
  std::string_view page() const { return page_; }
  std::string_view position() const { return position_; }
  std::string_view character() const { return character_; }

 private:
  std::string_view code_;
  std::string_view page_;
  std::string_view position_;
  std::string_view character_;
  Record general_;
};

// A character record kept while its file reads on: it holds its own copy of
// the line. After a read past the end of the file every field is empty.
class HeldRecord {
 public:
  HeldRecord() = default;
  HeldRecord(const HeldRecord&) = delete;
  HeldRecord& operator=(const HeldRecord&) = delete;

  // Reads the next record of `in`; false (and every field empty) at the end.
  bool read_from(RecordReader& in);

  std::string_view line() const { return line_; }
  std::string_view code() const { return fields_.code(); }
  std::string_view page() const { return fields_.page(); }
  std::string_view position() const { return fields_.position(); }
  std::string_view character() const { return fields_.character(); }

 private:
  std::string line_;
  CharacterRecord fields_;
};

// True when both records stand at the same page and position.
template <typename A, typename B>
bool same_place(const A& a, const B& b) {
  return a.page() == b.page() && a.position() == b.position();
}

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_SCAN_RECORDS_H_
