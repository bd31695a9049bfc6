// Span annotation: where the span markup of every word occurrence goes in
// the pages, as a compact list of span places.
#ifndef LEXIWEB_ANNOTATE_SPAN_ANNOTATION_H_
#define LEXIWEB_ANNOTATE_SPAN_ANNOTATION_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The opening span markup of one occurrence, in its three pieces: the tag
// name, the id and class attributes, and the double-click handler.
struct OpeningMarkup {
  std::string tag;
  std::string id_and_class;
  std::string handler;
};

// Fills `markup` (reusing its storage) for the occurrence of `word_number`
// (right-aligned as in the occurrence record) with `occurrence_id`, listed on
// index page `index_page_stem`. The second part of a word broken at a line
// end has no id of its own: its class and handler are the word's.
void build_opening_markup(std::string_view word_number, std::string_view index_page_stem,
                          std::string_view occurrence_id, OpeningMarkup* markup,
                          bool second_part = false);

inline constexpr std::string_view kClosingMarkup = "</span>";

// Walks staged pages 1 to page_count and the placed occurrences (both in
// document order) together and writes the span places: a span opens in
// front of the character at an occurrence's page and position, and closes
// after as many characters as its word has, counted on through the following
// pages if need be. A span still open when the next one opens is never
// closed. An occurrence whose place the walk never meets holds up every
// occurrence after it. A word joined over a line end (the word parts of
// shell/scratch_catalogue.h) gets a span over each of its two parts.
void write_span_places(long page_count);

}  // namespace lexiweb

#endif  // LEXIWEB_ANNOTATE_SPAN_ANNOTATION_H_
