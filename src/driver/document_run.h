// One document converted into its site without the dialogue: what a lexiweb
// run does between its questions and its results screen, for programs that
// convert many documents (lexiweb-library).
#ifndef LEXIWEB_DRIVER_DOCUMENT_RUN_H_
#define LEXIWEB_DRIVER_DOCUMENT_RUN_H_

#include <functional>
#include <string>

namespace lexiweb {

struct DocumentRun {
  // The folder the run works in; it holds htm_out, the site, afterwards.
  std::string working_folder;
  std::string pdf;  // the PDF, a path of its own or relative to the current folder
  std::string magnification;
  std::string target_site;
  // The link up to a library's front page from the document's pages; empty
  // for none.
  std::string library_page;
  // Runs after the final pages, while the scratch files are still there.
  std::function<void()> before_clean_up;
};

// Makes the working folder (which must not exist), enters it for good,
// copies the PDF in, converts it and builds htm_out from it, as lexiweb does
// with the same answers. Returns the number of pages; 0 when the converter
// gave none, having said why on the console. A failure of the system ends
// the run (shell/run_failure.h); the working folder is the caller's to remove.
int run_document(const DocumentRun& run);

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_DOCUMENT_RUN_H_
