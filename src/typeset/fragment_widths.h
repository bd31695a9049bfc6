// The width each text fragment of a converted page has in the PDF, measured
// by the text the renderer saw drawn (common/drawn_text.h) and put on the
// fragment. pdftohtml -c writes a fragment as a p element placed at its
// first line's top and left, its lines separated by line breaks; each line
// is a sequence of drawn runs on one baseline, found by where the line
// starts and by its text.
#ifndef LEXIWEB_TYPESET_FRAGMENT_WIDTHS_H_
#define LEXIWEB_TYPESET_FRAGMENT_WIDTHS_H_

#include <set>
#include <string>
#include <vector>

#include "common/drawn_text.h"
#include "typeset/converted_page.h"

namespace lexiweb {

// Where a fragment's text stands: its class, whether its lines were found
// (and measured), whether its first line's first run was found, and then
// how far below the fragment's top its baseline is, in drawn units. A
// glyph drawn turned is found, but has no width.
struct FragmentBaseline {
  std::string class_name;
  bool measured = false;
  bool placed = false;
  long drop = 0;
  // The run (its index among the page's drawn runs) that starts its first
  // line, or -1 when that was not found.
  long first_run = -1;
};

// Gives every fragment of `page` placed by its top whose lines are all
// found among the visible `runs` the widths of its lines in pixels,
// separated by commas (its data-w attribute); and when `baselines` is
// given, adds every such fragment of a class to them. Returns the number
// of fragments measured.
int add_fragment_widths(ConvertedPage& page, const std::vector<DrawnRun>& runs,
                        std::vector<FragmentBaseline>* baselines = nullptr);

// Takes the widths off the fragments of `classes`: text set turned, whose
// few lines found drawn from left to right are text beside it.
void remove_fragment_widths(ConvertedPage& page, const std::set<std::string>& classes);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FRAGMENT_WIDTHS_H_
