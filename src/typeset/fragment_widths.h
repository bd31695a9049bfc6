// The width each text fragment of a page has in the PDF, from pdftohtml's
// XML output (pdftohtml -xml -i at the same zoom), put on the fragments of
// the page that pdftohtml -c wrote. The XML lists one text element per line;
// the -c page joins the lines of a paragraph into one fragment with a line
// break between them, in the same order, so a fragment of k lines takes the
// next k elements, the first at the fragment's own place.
#ifndef LEXIWEB_TYPESET_FRAGMENT_WIDTHS_H_
#define LEXIWEB_TYPESET_FRAGMENT_WIDTHS_H_

#include <fstream>
#include <string>
#include <vector>

namespace lexiweb {

// One text element of the XML: where it starts and how wide it is, in pixels.
struct TextLine {
  long top = 0;
  long left = 0;
  long width = 0;
};

// Reads the text elements of pages in ascending order from XML files that
// together hold them in that order (one per page range).
class PageLineReader {
 public:
  explicit PageLineReader(std::vector<std::string> files) : files_(std::move(files)) {}

  // The text elements of `page`; empty when no file holds it. Pages are
  // asked for in ascending order.
  std::vector<TextLine> lines_of(int page);

 private:
  bool next_line(std::string& line);

  std::vector<std::string> files_;
  size_t next_file_ = 0;
  std::ifstream in_;
  std::string pending_;  // a page start line read ahead
};

// Adds to every fragment of `page_html` (a -c page) a data-w attribute with
// the widths of its lines, separated by commas. False, and the page left as
// it was, when the lines do not answer the fragments one for one.
bool add_fragment_widths(std::string& page_html, const std::vector<TextLine>& lines);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FRAGMENT_WIDTHS_H_
