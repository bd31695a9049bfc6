// The annotated character record shared by the annotation, frame removal and
// page assembly passes: code (5 columns, blanks once removed), page (10),
// position (10 blanks for inserted markup) and marker (7 blanks, or the output
// page stem on the characters of a span's id and class).
#ifndef LEXIWEB_ANNOTATE_ANNOTATED_RECORD_H_
#define LEXIWEB_ANNOTATE_ANNOTATED_RECORD_H_

#include <string>
#include <string_view>

#include "shell/record_writer.h"

namespace lexiweb {

inline constexpr std::string_view kBlankPosition = "          ";  // 10 blanks
inline constexpr std::string_view kBlankMarker = "       ";       // 7 blanks
inline constexpr std::string_view kRemovedCode = "     ";         // 5 blanks

// Appends to `out` one annotated record per byte of `markup`, all on `page`,
// with a blank position and `marker`.
void append_markup_records(std::string& out, std::string_view markup, std::string_view page,
                           std::string_view marker);

// Writes one annotated record.
inline void write_annotated_record(RecordWriter& out, std::string_view code, std::string_view page,
                                   std::string_view position, std::string_view marker) {
  out.write_record({code, page, position, marker});
}

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_ANNOTATED_RECORD_H_
