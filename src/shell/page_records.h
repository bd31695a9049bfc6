// Reads a record file in page order, whose first field is a page field,
// page by page: the records of each page are taken while it is the page at
// hand, and the records of pages passed over are skipped.
#ifndef LEXIWEB_SHELL_PAGE_RECORDS_H_
#define LEXIWEB_SHELL_PAGE_RECORDS_H_

#include <string>

#include "shell/record_reader.h"

namespace lexiweb {

class PageRecords {
 public:
  explicit PageRecords(const std::string& path) : in_(path) { advance(); }

  // Passes over the records of pages before `page`; true while the current
  // record lies on `page`.
  bool on_page(long page) {
    while (present_ && page_ < page) advance();
    return present_ && page_ == page;
  }
  // False once every record has been taken.
  bool has_records() const { return present_; }
  // The current record; its fields stay valid until advance().
  const Record& record() const { return record_; }
  // Field n of the current record as a whole number.
  long number(int n) const;
  void advance();

 private:
  RecordReader in_;
  Record record_;
  bool present_ = false;
  long page_ = 0;
};

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_PAGE_RECORDS_H_
