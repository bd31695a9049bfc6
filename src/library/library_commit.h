// Puts the library's pages in place: written beside the old ones, compared,
// and renamed into place only where they changed, so that a merge touches
// only the pages its documents changed and a reader sees each page whole.
// A run that ends on a signal while the pages go into place waits for them
// to be in place first (hold_commit()).
#ifndef LEXIWEB_LIBRARY_LIBRARY_COMMIT_H_
#define LEXIWEB_LIBRARY_LIBRARY_COMMIT_H_

#include <cstdint>
#include <string>

namespace lexiweb {

struct CommitCount {
  long changed = 0;    // pages written or replaced
  uint64_t bytes = 0;  // their bytes
  long removed = 0;    // pages no longer made
};

// Moves every file of `fresh` (a folder tree of the new pages) to the same
// place under `library` where the file there differs or is missing, and
// removes the files of the library's page folders (words, search, all) that
// `fresh` no longer has. `fresh` is left with the unchanged files.
CommitCount commit_pages(const std::string& fresh, const std::string& library);

// Held by commit_pages while it moves pages; a clean-up that runs on a
// signal takes it first, so that the pages are all old or all new.
void hold_commit();

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_LIBRARY_COMMIT_H_
