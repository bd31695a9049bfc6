#include "typeset/face_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/drawn_text.h"

namespace lexiweb {
namespace {

// The widths of `face`'s letters as a PDF would tell them.
std::vector<int> letter_widths_of(const FontFace& face, FaceShelf& shelf) {
  std::vector<int> widths;
  for (char32_t letter = U'a'; letter <= U'z'; ++letter)
    widths.push_back(shelf.advance(face, letter));
  return widths;
}

PdfFont unknown(bool fixed_pitch, bool serif, std::vector<int> widths) {
  PdfFont font{"QWERTY+Kvadrat"};
  font.fixed_pitch = fixed_pitch;
  font.serif = serif;
  font.letter_widths = std::move(widths);
  return font;
}

// A serif font of fixed pitch with Courier's widths is set in Courier's
// free twin, with Latin Modern Mono's in that; bold stays bold.
TEST(FaceMatch, UnknownFixedPitchSerifFontTakesTheFixedPitchFaceOfItsWidth) {
  FaceShelf shelf("pages");
  EXPECT_EQ(matched_face(unknown(true, true, std::vector<int>(26, 600)), shelf).file,
            "LiberationMono-Regular.ttf");
  EXPECT_EQ(matched_face(unknown(true, true, std::vector<int>(26, 525)), shelf).file,
            "lmmono10-regular.otf");
  PdfFont bold = unknown(true, true, std::vector<int>(26, 600));
  bold.bold = true;
  const FontFace face = matched_face(bold, shelf);
  EXPECT_EQ(face.file, "LiberationMono-Bold.ttf");
  EXPECT_TRUE(face.bold);
  EXPECT_EQ(face.generic, "monospace");
}

// Letters all of one width make a fixed pitch font even where the flags
// do not say so; a few letters alone do not.
TEST(FaceMatch, EqualWidthsTellAFixedPitch) {
  FaceShelf shelf("pages");
  EXPECT_EQ(matched_face(unknown(false, false, std::vector<int>(26, 600)), shelf).generic,
            "monospace");
  std::vector<int> few(26, 0);
  few[0] = few[4] = few[8] = 600;
  EXPECT_NE(matched_face(unknown(false, false, few), shelf).generic, "monospace");
  std::vector<int> alike(26, 0);  // "hnopu", as wide in most proportional faces
  for (char letter : std::string("hnopu")) alike[letter - 'a'] = 556;
  EXPECT_NE(matched_face(unknown(false, false, alike), shelf).generic, "monospace");
}

// Every family an unknown font may take is found again by its own widths,
// subset as a PDF's fonts are to the letters of a few words.
TEST(FaceMatch, EachCandidateIsFoundByItsOwnWidths) {
  FaceShelf shelf("pages");
  for (const char* generic : {"serif", "sans-serif", "monospace"}) {
    for (const FontFace& face : kind_faces(generic, false, false)) {
      std::vector<int> widths = letter_widths_of(face, shelf);
      ASSERT_GT(widths[0], 0) << face.file << " is not installed";
      for (char unused : std::string("bjkqvwxz")) widths[unused - 'a'] = 0;
      PdfFont font =
          unknown(std::string(generic) == "monospace", std::string(generic) == "serif", widths);
      if (std::string(generic) == "sans-serif") font.name = "QWERTY+KvadratSans";
      EXPECT_EQ(matched_face(font, shelf).file, face.file) << generic;
    }
  }
}

// Without widths a font keeps its generic family, as before.
TEST(FaceMatch, FontWithoutWidthsKeepsItsGenericFamily) {
  FaceShelf shelf("pages");
  const FontFace face = matched_face(unknown(false, true, {}), shelf);
  EXPECT_TRUE(face.family.empty());
  EXPECT_EQ(face.generic, "serif");
  EXPECT_EQ(matched_face(PdfFont{"Times-Roman"}, shelf).file, "LiberationSerif-Regular.ttf");
}

}  // namespace
}  // namespace lexiweb
