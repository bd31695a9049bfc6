// lexiweb-library convert PDF DOCUMENTS: one document converted, in this
// process, by the code of a lexiweb run, into DOCUMENTS/ID/ and nothing
// else. Its bytes depend only on the PDF and the options, so that the
// conversions of a library can run on any machine.
#ifndef LEXIWEB_LIBRARY_CONVERT_COMMAND_H_
#define LEXIWEB_LIBRARY_CONVERT_COMMAND_H_

#include <string>

namespace lexiweb {

// The exit status of a document that cannot be converted: not a PDF,
// damaged beyond reading, protected by a password, or no page.
inline constexpr int kDocumentFaultStatus = 3;

struct LibraryOptions {
  std::string magnification = "1.5";
  std::string target_site;
};

// Converts `pdf` into `documents_folder`/ID, written beside it and renamed
// into place, replacing a folder of that id. A document fault prints
// "lexiweb-library: PDF: REASON" on standard error and returns
// kDocumentFaultStatus; a refused write or read ends the run as a
// RunFailure. Returns 0 when the document is in place. Works in a folder of
// its own inside `documents_folder`, which it enters for good.
int convert_command(const std::string& pdf, const std::string& documents_folder,
                    const LibraryOptions& options);

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_CONVERT_COMMAND_H_
