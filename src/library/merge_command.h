// lexiweb-library merge LIBRARY: the library's own pages made from the
// documents in LIBRARY/documents: the front page, the word pages, the
// search field's word lists and the all-words pages. The documents' word
// records are gathered and ordered by the stages' external sort, and every
// page is written as the sorted records stream past, so that memory stays
// the same whatever the size of the library.
#ifndef LEXIWEB_LIBRARY_MERGE_COMMAND_H_
#define LEXIWEB_LIBRARY_MERGE_COMMAND_H_

#include <set>
#include <string>

#include "library/library_commit.h"

namespace lexiweb {

struct MergeResult {
  long documents = 0;
  long words = 0;  // distinct words of the library
  CommitCount pages;
};

// Makes the pages in a working folder of LIBRARY's state folder, which it
// enters, and puts them in place (library_commit.h). The documents whose
// ids `leaving` holds are left out. `library` is an absolute path.
MergeResult merge_library(const std::string& library, const std::set<std::string>& leaving = {});

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_MERGE_COMMAND_H_
