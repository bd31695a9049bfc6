#include "common/drawn_structure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace lexiweb {
namespace {

namespace fs = std::filesystem;

// A text field must not end its line or run into the next field.
TEST(DrawnStructure, TextFieldsKeepTheirLineAndTheirPlace) {
  DrawnElement element;
  element.id = 7;
  element.parent = 2;
  element.role = "Figure";
  element.alt = "two\tlines\r\nof text";
  element.actual = "kept";
  std::string line;
  append_drawn_element(line, element);
  EXPECT_EQ(line, "s 7 2 0 1 1 0 0 0 0 Figure\t\ttwo lines  of text\tkept\r\n");
  DrawnElement read;
  ASSERT_TRUE(parse_drawn_element(std::string_view(line).substr(0, line.size() - 2), &read));
  EXPECT_EQ(read.alt, "two lines  of text");
  EXPECT_EQ(read.actual, "kept");
  MarkedPiece piece;
  EXPECT_FALSE(parse_marked_piece("m 1 2 3 4 x", &piece));
  EXPECT_TRUE(parse_marked_piece("m 1 2 3 4 h", &piece));
}

// A piece holds from its byte to the next piece, over run ends.
TEST(DrawnStructure, PieceAtFindsThePieceThatHoldsAByte) {
  DrawnStructurePage page;
  page.pieces = {{0, 4, 3, 1, MarkKind::kContent}, {2, 0, 0, 0, MarkKind::kFooter}};
  EXPECT_EQ(piece_at(page, 0, 3).element, 0);
  EXPECT_EQ(piece_at(page, 0, 4).element, 3);
  EXPECT_EQ(piece_at(page, 1, 0).element, 3);
  EXPECT_EQ(piece_at(page, 2, 0).kind, MarkKind::kFooter);
}

// A renderer ended within a page leaves it cut short: the page is not
// taken, and the next file's pages are.
TEST(DrawnStructure, ReaderPassesOverAPageCutShort) {
  const fs::path folder = fs::temp_directory_path() / "drawn_structure_test";
  fs::create_directories(folder);
  std::ofstream(folder / "1.txt", std::ios::binary)
      << "d en\t\r\np 1\r\ns 1 0 0 1 1 0 0 0 0 P\t\t\t\r\nm 0 0 1 1 -\r\ne\r\np 2\r\ns 1 0 0 1 1 0 "
         "0 "
         "0 0 P";
  std::ofstream(folder / "3.txt", std::ios::binary)
      << "d en\t\r\np 3\r\ns 4 0 0 1 1 0 0 0 0 H1\t\t\t\r\ne\r\n";
  DrawnStructureReader reader({(folder / "1.txt").string(), (folder / "3.txt").string()});
  DrawnStructurePage page;
  ASSERT_TRUE(reader.page_of(1, &page));
  EXPECT_EQ(page.pieces.size(), 1u);
  EXPECT_FALSE(reader.page_of(2, &page));
  EXPECT_TRUE(page.elements.empty());
  ASSERT_TRUE(reader.page_of(3, &page));
  ASSERT_EQ(page.elements.size(), 1u);
  EXPECT_EQ(page.elements[0].role, "H1");
  fs::remove_all(folder);
}

}  // namespace
}  // namespace lexiweb
