// A document's id in the library: the PDF file's stem, in characters that
// any web host and file system keep, and the first 8 hex digits of the
// SHA-256 of its content, so that the id is readable, unique whatever else
// the library holds, and the same wherever the PDF is converted.
#ifndef LEXIWEB_LIBRARY_DOCUMENT_ID_H_
#define LEXIWEB_LIBRARY_DOCUMENT_ID_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The SHA-256 of the file's bytes in hex; a file that cannot be read ends
// the run (shell/run_failure.h).
std::string content_hash(const std::string& path);

// The SHA-256 of `bytes` in hex.
std::string hash_of_bytes(std::string_view bytes);

// The stem of the file name of `path`, its letters, digits, "-", "_" and
// "." kept and every other byte written as "_"; "document" when nothing stays.
std::string safe_stem(const std::string& path);

// safe_stem(path) + "-" + the first 8 digits of `hash`.
std::string document_id(const std::string& path, std::string_view hash);

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_DOCUMENT_ID_H_
