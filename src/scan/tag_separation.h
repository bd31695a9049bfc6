// Finds the tags of the staged pages: which "<" and ">" bound a tag, and the
// tag records (page, start, end, text) that the later steps read.
#ifndef LEXIWEB_SCAN_TAG_SEPARATION_H_
#define LEXIWEB_SCAN_TAG_SEPARATION_H_

#include <string>
#include <string_view>

namespace lexiweb {

// Takes every "<" and ">" of the document in order and keeps the consecutive
// pairs of a "<" and a ">" on one page. The pairs are taken two delimiters at
// a time over the whole document, so a pair that fails costs the delimiter
// after it as well, and the count carries over from one page to the next.
class DelimiterPairs {
 public:
  // Takes the next delimiter; true when it closes a tag that opened at the
  // delimiter reported by open_position().
  bool take(char delimiter, long page, long position);
  long open_position() const { return first_position_; }

 private:
  enum class Expect { kFirst, kSecond, kDropped };
  Expect expect_ = Expect::kFirst;
  char first_ = 0;
  long first_page_ = 0;
  long first_position_ = 0;
};

// The tag text kept in a tag record: the characters after "<" and before
// ">", at most 59 of them counted, quotes and apostrophes as blanks, line
// feeds and carriage returns counted but left out.
void append_tag_text(std::string_view inside, std::string* text);

// Reads staged pages 1 to page_count and writes htm_el_2.txt, one record per
// tag in document order: page, start position ("<"), end position (">"), text.
void write_tag_records(long page_count);

}  // namespace lexiweb

#endif  // LEXIWEB_SCAN_TAG_SEPARATION_H_
