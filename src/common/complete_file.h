// Files that lexiweb's own programs hand to the converter, written so that a
// file under its own name is always whole: a process that ends half-way
// leaves at most a file under a temporary name.
#ifndef LEXIWEB_COMMON_COMPLETE_FILE_H_
#define LEXIWEB_COMMON_COMPLETE_FILE_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The temporary name under which `path` is written until it is whole: what
// a process that ended half-way leaves, for whoever started it to delete.
std::string partial_file(const std::string& path);

// Writes `bytes` as partial_file(`path`) and renames it to `path`; false
// when any step fails.
bool write_complete_file(const std::string& path, std::string_view bytes);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_COMPLETE_FILE_H_
