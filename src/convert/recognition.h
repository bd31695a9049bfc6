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
#include "convert/conversion.h"

namespace lexiweb {

// The recogniser and what it reads.
struct Recognition {
  // lexiweb-ocr, or empty when it is not installed (a build without
  // Tesseract).
  std::string program;
  // Tesseract's names joined by "+": the environment's
  // LEXIWEB_OCR_LANGUAGES, else "eng".
  std::string languages;
};

// The recogniser of this run. Ends the run (run_failure.h) in one line when
// a language to read is not installed, naming it and the installed ones.
Recognition recognition_setup();

// The pages that have no text of their own: `scanned` show a picture that
// wants recognising, `layered` carry an invisible text layer to take the
// words from, `coarse` are covered by a picture too coarse to read.
struct WordlessPages {
  std::vector<int> scanned;
  std::vector<int> layered;
  std::vector<int> coarse;
};

// From what the renderer told of its pages (common/drawn_text.h) and the
// converter pages of `folder`: the pages on which neither the renderer nor
// pdftohtml met visible text, scanned where pictures at a scanner's
// resolution cover much of them (the logo of a cover is no scan) or
// pictures of 72 pixels an inch or more cover them whole, layered where
// invisible text lies on them, coarse where pictures under 72 pixels an
// inch cover them whole. `lost` marks the pages that the converter could
// not convert.
WordlessPages wordless_pages(const std::vector<DrawnPage>& drawn_pages, const std::string& folder,
                             const std::vector<bool>& lost);

// The words of the pages that have none of their own: recognised on their
// scans, or in their invisible text layers; and the scanned pages that are
// left without words.
struct WordlessPageWords {
  std::map<int, RecognizedPage> recognised;
  std::set<int> layered;
  std::vector<int> unrecognised;  // whose recognition failed, ran past its time or over its size
  size_t unread_scans = 0;        // that look scanned, while no recogniser is installed
  size_t coarse_scans = 0;        // that look scanned, too coarse to read
};

// The words of the wordless pages of a conversion whose renderer drew the
// backgrounds, from what it told of the pages (`drawn_pages`). The scans
// are recognised as many at once as there are cores, the progress on the
// console's current line; a recogniser whose writes were refused ends the
// run. `outcomes` marks the pages that the converter could not convert.
WordlessPageWords wordless_page_words(const Conversion& conversion, const Recognition& recognition,
                                      const std::vector<PageOutcome>& outcomes,
                                      const std::vector<DrawnPage>& drawn_pages);

// One line on standard error for the scanned pages whose recognition
// failed, one for the pages that look scanned but have no recogniser to
// read them, and one for those whose scans are too coarse to read.
void report_unread_pages(const Conversion& conversion, const WordlessPageWords& words);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_RECOGNITION_H_
