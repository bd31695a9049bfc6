#include "shell/page_records.h"

#include "common/text.h"

namespace lexiweb {

long PageRecords::number(int n) const { return whole_value(record_.field(n)); }

void PageRecords::advance() {
  present_ = in_.read_record(&record_);
  page_ = present_ ? number(1) : 0;
}

}  // namespace lexiweb
