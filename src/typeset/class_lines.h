// Puts each class's lines on the baselines the PDF draws them on, in
// whatever face the browser sets them. pdftohtml places a fragment at its
// first line's top, the baseline less the PDF font's ascent, while a
// browser puts the baseline below the top by the ascent of the face that
// leads the class's families and half the leading; faces with a large
// ascent (Latin Modern's) set the text half a line low.
#ifndef LEXIWEB_TYPESET_CLASS_LINES_H_
#define LEXIWEB_TYPESET_CLASS_LINES_H_

#include <map>
#include <string>
#include <vector>

#include "typeset/face_file.h"
#include "typeset/fragment_widths.h"

namespace lexiweb {

// Gives each class of `page_html` whose leading face's heights `metrics`
// holds (by class name) and whose fragments `baselines` measured a line
// height and a top margin that bring its first lines' baselines where the
// PDF draws them, by the fragments measured. A line height of its own also keeps the heights of the
// faces that draw what the leading face lacks (Noto CJK's, Latin Modern
// Math's) from moving the line. A turned class turns about the origin of
// its fragments' first glyphs.
void place_class_lines(std::string& page_html, const std::map<std::string, LineMetrics>& metrics,
                       const std::vector<FragmentBaseline>& baselines);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_CLASS_LINES_H_
