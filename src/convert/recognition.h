// Reading the pages that are pictures of text: which pages want it, from
// what the renderer saw on them, and the recogniser lexiweb-ocr (installed
// with this program under lib/lexiweb) run on each of them in a process of
// its own.
#ifndef LEXIWEB_CONVERT_RECOGNITION_H_
#define LEXIWEB_CONVERT_RECOGNITION_H_

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/drawn_text.h"
#include "common/recognized_text.h"
#include "shell/process_pool.h"

namespace lexiweb {

// The recogniser, or empty when it is not installed (a build without
// Tesseract).
std::string recognizer_program();

// The languages to read, Tesseract's names joined by "+": the environment's
// LEXIWEB_OCR_LANGUAGES, else "eng".
std::string recognition_languages();

// Ends the run (run_failure.h) in one line when a language of `languages`
// is not installed, naming it and the installed ones.
void check_recognition_languages(const std::string& recognizer, const std::string& languages);

// The pages that have no text of their own: `scanned` show a picture that
// wants recognising, `layered` carry an invisible text layer to take the
// words from.
struct WordlessPages {
  std::vector<int> scanned;
  std::vector<int> layered;
};

// From what the renderer told of its pages (common/drawn_text.h) and the
// converter pages of `folder`: the pages on which neither the renderer nor
// pdftohtml met visible text, scanned where pictures at a
// scanner's resolution cover much of them (the logo of a cover is no
// scan), layered where invisible text lies on them.
// `lost` marks the pages that the converter could not convert.
WordlessPages wordless_pages(const std::vector<DrawnPage>& drawn_pages, const std::string& folder,
                             const std::vector<bool>& lost);

// Recognises `pages` of `pdf_file`, as many at once as there are cores,
// the progress on the console's current line. Returns the words of each
// page that came out; `failed` gets the pages whose recognition failed,
// ran past its time or was over its size.
std::map<int, RecognizedPage> recognise_pages(
    const std::string& recognizer, const std::string& languages, const std::string& pdf_file,
    const std::string& folder, const std::vector<int>& pages, std::vector<int>* failed);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_RECOGNITION_H_
