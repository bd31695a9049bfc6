// The pieces of one group of a library's word pages, search files or
// all-words pages. A piece ends after a word that its key chooses (its
// hash's low bits), or before an entry that would take it past its bound,
// and is named by its first word's key: so one added word rewrites its own
// piece and leaves every other piece of the group byte for byte as it was.
#ifndef LEXIWEB_LIBRARY_PIECE_SERIES_H_
#define LEXIWEB_LIBRARY_PIECE_SERIES_H_

#include <functional>
#include <string>
#include <string_view>

namespace lexiweb {

// 16 hex digits of a 64-bit hash of `key`: a name that stays the same
// whatever else the library holds.
std::string key_name(std::string_view key);

// Whether a piece ends after the word of `key`, about once in `every`
// words (a power of two).
bool ends_piece(std::string_view key, unsigned every);

class PieceSeries {
 public:
  // Called for each piece, in order: its name, its entries, and the name
  // of the piece after it (empty for the group's last).
  using Writer = std::function<void(const std::string& name, const std::string& entries,
                                    const std::string& next)>;

  // The first piece of a group is named by the group alone when
  // `first_by_group`, else like the others, GROUP-KEYNAME.
  PieceSeries(size_t bound, unsigned every, bool first_by_group, Writer writer);

  void start_group(const std::string& group);
  // Adds the entry of the word of `key`; returns the name of its piece.
  const std::string& add(std::string_view key, std::string_view entry);
  // Writes what is left of the group; returns its number of pieces.
  int finish_group();

 private:
  size_t bound_;
  unsigned every_;
  bool first_by_group_;
  Writer writer_;
  std::string group_;
  int pieces_ = 0;
  // The piece being filled, and one that ended but waits for the name of
  // the next.
  std::string name_;
  std::string entries_;
  bool ended_ = false;
};

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_PIECE_SERIES_H_
