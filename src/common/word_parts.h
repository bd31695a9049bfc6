// The words broken by a hyphen at a line end, which the word extraction
// joins into one word: where each of their two parts stands, so that the
// span annotation wraps both parts (a double click on either opens the
// word's occurrence, and the highlight marks both).
#ifndef LEXIWEB_COMMON_WORD_PARTS_H_
#define LEXIWEB_COMMON_WORD_PARTS_H_

namespace lexiweb {

// One record per joined word that was written, in document order.
inline constexpr char kWordPartsFile[] = "wrd_parts.txt";

// Page and position of the first part (10 columns each, as the occurrence
// records have them), its length in bytes of the page without the hyphen,
// and the position and length of the second part on the same page.
inline constexpr int kPartsPage = 1;
inline constexpr int kPartsPosition = 2;
inline constexpr int kPartsFirstLength = 3;
inline constexpr int kPartsSecondPosition = 4;
inline constexpr int kPartsSecondLength = 5;

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_WORD_PARTS_H_
