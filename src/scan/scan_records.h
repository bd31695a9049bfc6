// Pieces shared by the scanning steps: the field numbers of the character
// records, a record that outlives the next read of its file, and the fixed
// texts the steps write.
#ifndef LEXIWEB_SCAN_SCAN_RECORDS_H_
#define LEXIWEB_SCAN_SCAN_RECORDS_H_

#include <string>
#include <string_view>

#include "shell/record_reader.h"

namespace lexiweb {

// Fields of a character record: code (5 columns), page (10), position (10), character.
inline constexpr int kCodeField = 1;
inline constexpr int kPageField = 2;
inline constexpr int kPositionField = 3;
inline constexpr int kCharacterField = 4;

inline constexpr int kLessThanCode = 60;
inline constexpr int kGreaterThanCode = 62;

// The value of a code field: the decimal number after its leading blanks, 0
// when there is none (a separator record's blank code).
int code_value(std::string_view code_field);

// A record kept while its file reads on: it holds its own copy of the line.
// After a read past the end of the file every field is empty.
class HeldRecord {
 public:
  HeldRecord() = default;
  HeldRecord(const HeldRecord&) = delete;
  HeldRecord& operator=(const HeldRecord&) = delete;

  // Reads the next record of `in`; false (and every field empty) at the end.
  bool read_from(RecordReader& in);
  void hold(std::string_view line);
  void clear();

  std::string_view line() const { return line_; }
  std::string_view field(int n) const { return record_.field(n); }

  std::string_view code() const { return field(kCodeField); }
  std::string_view page() const { return field(kPageField); }
  std::string_view position() const { return field(kPositionField); }
  std::string_view character() const { return field(kCharacterField); }

 private:
  std::string line_;
  Record record_;
};

// True when both records stand at the same page and position.
inline bool same_place(const HeldRecord& a, const HeldRecord& b) {
  return a.page() == b.page() && a.position() == b.position();
}

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_SCAN_RECORDS_H_
