// The kind comes first, since a reader sees a serif face set in a sans one
// before a width a few percent off: fixed pitch where the flags say so or
// the letters are all as wide; sans where the name says so; serif where the
// flags or the name say so; otherwise the widths choose among serif and
// sans alike, since TeX and other makers of fonts often leave the flags
// unset. The widths are compared letter by letter, each weighed by how
// often it occurs in text, so that a face of the same proportions wins
// over one that is as wide only on average.
#include "typeset/face_match.h"

#include <cstdlib>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "common/drawn_text.h"

namespace lexiweb {
namespace {

// How often the letters a to z occur in English text, in thousandths.
constexpr int kLetterFrequencies[] = {82, 15, 28, 43, 127, 22, 20, 61, 70, 2,  8, 40, 24,
                                      67, 75, 19, 1,  60,  63, 91, 28, 10, 24, 2, 20, 1};
static_assert(std::size(kLetterFrequencies) == kDrawnLetters);

// The fewest letters that tell a fixed pitch from a proportional one, and
// the letters of which one at least must be among them: n, h, u and o are
// as wide in most proportional faces, i, l, m and w are not.
constexpr int kLeastLettersForPitch = 5;
constexpr std::string_view kTellingLetters = "ijlmw";

bool fixed_pitch_by_widths(const std::vector<int>& widths) {
  int letters = 0;
  bool telling = false;
  int first = 0;
  for (int letter = 0; letter < kDrawnLetters; ++letter) {
    const int width = widths[letter];
    if (width <= 0) continue;
    if (first == 0) first = width;
    if (std::abs(width - first) * 50 > first) return false;
    ++letters;
    telling |= kTellingLetters.find(static_cast<char>('a' + letter)) != std::string_view::npos;
  }
  return letters >= kLeastLettersForPitch && telling;
}

bool name_says(const std::string& name, std::string_view word) {
  std::string lower;
  for (char c : name) lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return lower.find(word) != std::string::npos;
}

// How far `face`'s letters are from `widths`: the weighed sum of the
// differences over the weighed sum of the widths; the largest double when
// the face is not installed or lacks every letter.
double width_distance(const std::vector<int>& widths, const FontFace& face, FaceShelf& shelf) {
  double difference = 0;
  double total = 0;
  for (int letter = 0; letter < kDrawnLetters; ++letter) {
    if (widths[letter] <= 0) continue;
    const int advance = shelf.advance(face, U'a' + letter);
    if (advance <= 0) continue;
    difference += kLetterFrequencies[letter] * std::abs(widths[letter] - advance);
    total += kLetterFrequencies[letter] * widths[letter];
  }
  return total > 0 ? difference / total : std::numeric_limits<double>::max();
}

}  // namespace

FontFace matched_face(const PdfFont& font, FaceShelf& shelf) {
  FontFace face = free_face(font);
  if (!face.family.empty() || font.letter_widths.size() != kDrawnLetters) return face;

  std::vector<FontFace> candidates;
  const std::string& name = font.name;
  if (font.fixed_pitch || fixed_pitch_by_widths(font.letter_widths)) {
    candidates = kind_faces("monospace", face.bold, face.italic);
  } else if (name_says(name, "sans")) {
    candidates = kind_faces("sans-serif", face.bold, face.italic);
  } else if (font.serif || name_says(name, "serif") || name_says(name, "roman")) {
    candidates = kind_faces("serif", face.bold, face.italic);
  } else {
    candidates = kind_faces("serif", face.bold, face.italic);
    for (FontFace& sans : kind_faces("sans-serif", face.bold, face.italic)) {
      candidates.push_back(std::move(sans));
    }
  }
  double best = std::numeric_limits<double>::max();
  for (const FontFace& candidate : candidates) {
    const double distance = width_distance(font.letter_widths, candidate, shelf);
    if (distance < best) {
      best = distance;
      face = candidate;
    }
  }
  return face;
}

}  // namespace lexiweb
