// lexiweb-library build LIBRARY SOURCE...: converts the documents that are
// new or changed, each by `lexiweb-library convert` in a process of its own
// (several at once), removes those whose PDF is gone, and merges.
#ifndef LEXIWEB_LIBRARY_BUILD_COMMAND_H_
#define LEXIWEB_LIBRARY_BUILD_COMMAND_H_

#include <string>
#include <vector>

#include "library/convert_command.h"

namespace lexiweb {

struct BuildOptions {
  LibraryOptions library;
  int processes = 0;     // documents at once; 0 for the number of cores
  std::string log_file;  // one JSON line a document, when not empty
  // The program that converts one document: this one.
  std::string program;
};

// Returns the exit status: 0 when every document is in the library, 3 when
// one or more could not be converted (each named on standard error and in
// the log), 1 when the library holds no document. `library` is absolute.
int build_command(const std::string& library, const std::vector<std::string>& sources,
                  const BuildOptions& options);

// The PDFs that `sources` name, each once, in the order given: a file as
// it is, a folder's files ending in .pdf (any case), searched through its
// sub-folders, in the order of their paths. A source that is neither ends
// the run with status 2, as wrong usage.
std::vector<std::string> source_documents(const std::vector<std::string>& sources);

// `text` as a JSON string, quotes included.
std::string json_string(std::string_view text);

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_BUILD_COMMAND_H_
