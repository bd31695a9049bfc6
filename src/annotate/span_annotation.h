// Span annotation: inserts the span markup of every word occurrence into the
// page character list, giving the annotated character list.
#ifndef LEXIWEB_ANNOTATE_SPAN_ANNOTATION_H_
#define LEXIWEB_ANNOTATE_SPAN_ANNOTATION_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The opening span markup of one occurrence, in its three pieces: the tag
// name, the id and class attributes (whose characters carry the output page
// stem as marker) and the double-click handler.
struct OpeningMarkup {
  std::string tag;
  std::string id_and_class;
  std::string handler;
};

// Fills `markup` (reusing its storage) for the occurrence of `word_number`
// (right-aligned as in the occurrence record) with `occurrence_id`, listed on
// index page `index_page_stem`.
void build_opening_markup(std::string_view word_number, std::string_view index_page_stem,
                          std::string_view occurrence_id, OpeningMarkup* markup);

inline constexpr std::string_view kClosingMarkup = "</span>";

// Reads htm.txt and wrd_6.txt and writes htm_01.txt: every character record
// as an annotated record, with the span markup around each occurrence.
void write_annotated_list();

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_SPAN_ANNOTATION_H_
