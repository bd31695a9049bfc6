// Formatting of annotated character records, kept allocation-free for the
// passes that write hundreds of records per word.
#include "annotate/annotated_record.h"

#include "shell/character_code.h"

namespace lexiweb {

void append_markup_records(std::string& out, std::string_view markup, std::string_view page,
                           std::string_view marker) {
  for (char c : markup) {
    out += '"';
    out += code_field(static_cast<unsigned char>(c));
    out += "\",\"";
    out += page;
    out += "\",\"";
    out += kBlankPosition;
    out += "\",\"";
    out += marker;
    out += "\"\r\n";
  }
}

}  // namespace lexiweb
