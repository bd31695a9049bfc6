// Puts right-to-left text that pdftohtml wrote in visual order (the
// letters as drawn, left to right) back into logical order, the order it is
// read and typed in, which the browser, the word index, search, copying and
// screen readers all expect. ICU's bidi algorithm run in reverse does it;
// run forward, it gives the order the text is drawn in again, in which it
// is matched with the text the renderer finds drawn.
#ifndef LEXIWEB_COMMON_VISUAL_ORDER_H_
#define LEXIWEB_COMMON_VISUAL_ORDER_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The direction of a fragment's text, from its strong letters.
enum class FragmentDirection {
  kNoRightToLeft,  // no right-to-left letter: its bytes stay as they are
  kLeftToRight,    // some right-to-left letters among more left-to-right ones
  kRightToLeft,    // at least as many right-to-left letters as left-to-right ones
};

// The direction of `markup`, a fragment's text with its tags and character
// references; the letters inside tags do not count.
FragmentDirection fragment_direction(std::string_view markup);

// Appends `visual`, text between tags in visual order, in logical order
// within a paragraph of `direction`: runs of the other direction (a Latin
// word or a number inside Arabic) keep their own order. Each character
// reference stays as written and moves as one character.
void append_logical_order(std::string_view visual, FragmentDirection direction, std::string& out);

// Appends `logical`, text in logical order, in the visual order a
// typesetter draws it in within a paragraph of `direction`: the inverse of
// append_logical_order.
void append_visual_order(std::string_view logical, FragmentDirection direction, std::string& out);

// Appends `markup` with each stretch of text between its tags put into
// logical order (`to_visual` false) or visual order (true), as above; the
// tags stay where they are.
void append_markup_reordered(std::string_view markup, FragmentDirection direction, bool to_visual,
                             std::string& out);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_VISUAL_ORDER_H_
