// The text is turned into UTF-16 one character per character or reference,
// ICU gives the logical order of those characters, and the original bytes
// of each are written in that order.
#include "common/visual_order.h"

#include <unicode/ubidi.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <memory>
#include <vector>

#include "common/html_references.h"

namespace lexiweb {
namespace {

bool is_right_to_left(UChar32 c) {
  const UCharDirection direction = u_charDirection(c);
  return direction == U_RIGHT_TO_LEFT || direction == U_RIGHT_TO_LEFT_ARABIC;
}

// One character of the text: a reference or one UTF-8 sequence.
struct TextUnit {
  size_t start = 0;
  size_t length = 0;
};

struct BidiCloser {
  void operator()(UBiDi* bidi) const { ubidi_close(bidi); }
};

}  // namespace

FragmentDirection fragment_direction(std::string_view markup) {
  int right_to_left = 0;
  int left_to_right = 0;
  bool in_tag = false;
  int32_t i = 0;
  const int32_t size = static_cast<int32_t>(markup.size());
  while (i < size) {
    const char byte = markup[i];
    if (in_tag || byte == '<') {
      in_tag = byte != '>';
      ++i;
      continue;
    }
    UChar32 c;
    U8_NEXT(markup.data(), i, size, c);
    if (c < 0) continue;
    if (is_right_to_left(c)) {
      ++right_to_left;
    } else if (u_charDirection(c) == U_LEFT_TO_RIGHT) {
      ++left_to_right;
    }
  }
  if (right_to_left == 0) return FragmentDirection::kNoRightToLeft;
  return right_to_left >= left_to_right ? FragmentDirection::kRightToLeft
                                        : FragmentDirection::kLeftToRight;
}

namespace {

// Appends `text` with its characters in the order ICU's bidi algorithm
// gives in `mode`.
void append_reordered(std::string_view text, FragmentDirection direction, UBiDiReorderingMode mode,
                      std::string& out) {
  if (direction == FragmentDirection::kNoRightToLeft) {
    out.append(text);
    return;
  }
  // The text's characters as UTF-16, and for each code unit the character it belongs to.
  std::vector<UChar> utf16;
  std::vector<TextUnit> units;
  std::vector<int32_t> unit_of;
  utf16.reserve(text.size());
  unit_of.reserve(text.size());
  const int32_t size = static_cast<int32_t>(text.size());
  int32_t i = 0;
  while (i < size) {
    const int32_t start = i;
    UChar32 c;
    const DecodedReference reference = decode_reference(text.substr(start));
    if (reference.length > 0) {
      int32_t j = 0;
      U8_NEXT(reference.bytes, j, reference.size, c);
      i += static_cast<int32_t>(reference.length);
    } else {
      U8_NEXT(text.data(), i, size, c);
    }
    // Bytes that are not UTF-8 stay, as a character without direction.
    if (c < 0) c = 0xFFFD;
    units.push_back({static_cast<size_t>(start), static_cast<size_t>(i - start)});
    UChar pair[2];
    int32_t length = 0;
    U16_APPEND_UNSAFE(pair, length, c);
    for (int32_t k = 0; k < length; ++k) {
      utf16.push_back(pair[k]);
      unit_of.push_back(static_cast<int32_t>(units.size() - 1));
    }
  }
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UBiDi, BidiCloser> bidi(ubidi_open());
  std::vector<int32_t> order(utf16.size());
  if (bidi) {
    ubidi_setReorderingMode(bidi.get(), mode);
    const UBiDiLevel level = direction == FragmentDirection::kRightToLeft ? 1 : 0;
    ubidi_setPara(bidi.get(), utf16.data(), static_cast<int32_t>(utf16.size()), level, nullptr,
                  &status);
    if (U_SUCCESS(status)) ubidi_getVisualMap(bidi.get(), order.data(), &status);
  }
  if (!bidi || U_FAILURE(status)) {
    // Text ICU cannot reorder is kept as it came rather than lost.
    out.append(text);
    return;
  }
  // The map gives both code units of a pair; the character is written at the first.
  int32_t last_unit = -1;
  for (const int32_t index : order) {
    const int32_t unit = unit_of[index];
    if (unit == last_unit) continue;
    last_unit = unit;
    out.append(text.substr(units[unit].start, units[unit].length));
  }
}

}  // namespace

void append_logical_order(std::string_view visual, FragmentDirection direction, std::string& out) {
  // The inverse of the order a typesetter draws logical text in.
  append_reordered(visual, direction, UBIDI_REORDER_INVERSE_LIKE_DIRECT, out);
}

void append_visual_order(std::string_view logical, FragmentDirection direction, std::string& out) {
  append_reordered(logical, direction, UBIDI_REORDER_DEFAULT, out);
}

void append_markup_reordered(std::string_view markup, FragmentDirection direction, bool to_visual,
                             std::string& out) {
  size_t at = 0;
  while (at < markup.size()) {
    const size_t tag = markup.find('<', at);
    const std::string_view text = markup.substr(at, tag - at);
    if (to_visual) {
      append_visual_order(text, direction, out);
    } else {
      append_logical_order(text, direction, out);
    }
    if (tag == std::string_view::npos) break;
    const size_t tag_end = markup.find('>', tag);
    if (tag_end == std::string_view::npos) {
      out.append(markup.substr(tag));
      break;
    }
    out.append(markup.substr(tag, tag_end + 1 - tag));
    at = tag_end + 1;
  }
}

}  // namespace lexiweb
