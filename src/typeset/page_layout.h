// What the page structure finds on a converted page and writes back: its
// fragments, the rows they stand in, the blocks those rows make, and the
// figures between them. Plain data shared by the finding
// (page_structure.cc) and the writing (page_markup.cc). Sizes and places
// are in the page's pixels.
#ifndef LEXIWEB_TYPESET_PAGE_LAYOUT_H_
#define LEXIWEB_TYPESET_PAGE_LAYOUT_H_

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/drawn_structure.h"
#include "typeset/converted_page.h"

namespace lexiweb {

struct Fragment {
  size_t source = 0;  // its number among the page's fragments (converted_page.h)
  size_t begin = 0;   // the "<" of its start tag in the page's body
  size_t end = 0;     // past its end tag
  double top = 0;
  double left = 0;
  double width = 0;       // of its widest line
  double last_width = 0;  // of its last line
  double height = 0;
  double size = 16;
  int lines = 1;
  bool bold = false;
  bool fixed_pitch = false;
  bool link = false;
  size_t letters = 0;
  std::string first_line;  // the text of its first and last lines
  std::string last_line;
  std::string text;  // all its lines, joined by blanks
  // In a tagged PDF: the element of the tree whose block it is part of (a
  // paragraph, a heading, a list item ...; 0 for none), and whether it is
  // an artifact, and which.
  long element = 0;
  MarkKind mark = MarkKind::kContent;
  // Its place in the tree's reading order (0 for none).
  long order = 0;
};

struct Row {
  size_t first = 0;  // its fragments, [first, last]
  size_t last = 0;
  double top = 0;
  double bottom = 0;
  double left = 0;
  double right = 0;
  double text_left = 0;  // where its text starts after a list mark
  // Where its last line ends: it starts with a fragment of several lines
  // when the converter joined a paragraph's lines.
  double last_right = 0;
  int lines = 1;
  double size = 0;
  bool bold = false;
  bool fixed_pitch = false;
  bool marked = false;  // it starts with a bullet or a number
  bool numbered = false;
  // Where its cells start, when it is a row of a table: fragments apart
  // by more than a few blanks, in line with those of the rows beside it.
  std::vector<size_t> cells;
  bool tabular = false;
  // In a tagged PDF: the element of its first fragment that has one, and
  // the kind of its marks when all are artifacts (else kContent).
  long element = 0;
  MarkKind mark = MarkKind::kContent;
  std::string text;
};

// A cell of a table that a tagged PDF's tree tells (a TH or a TD): its
// spans, and its fragments in the tree's order.
struct TableCell {
  bool header = false;
  long columns = 1;
  long rows = 1;
  std::vector<size_t> fragments;
};

// A row of such a table (a TR).
struct TableRow {
  std::vector<TableCell> cells;
};

enum class BlockKind { kParagraph, kHeading, kListItem, kCode, kCaption, kTable, kHeader, kFooter };

struct Block {
  std::vector<size_t> rows;
  BlockKind kind = BlockKind::kParagraph;
  int level = 0;
  bool numbered = false;
  double top = 0;
  double bottom = 0;
  double left = 0;
  double right = 0;
  double text_left = 0;
  std::string text;
  long element = 0;  // in a tagged PDF, the element it is
  std::string lang;  // the language it is in, where it is not the document's
  // A table of a tagged PDF's tree: its rows and cells as the tree has
  // them (else empty: a table's rows and cells are those of its type), and
  // its fragments that stand in no cell, such as its caption.
  std::vector<TableRow> table_rows;
  std::vector<size_t> table_caption;
};

inline bool is_running(const Block& block) {
  return block.kind == BlockKind::kHeader || block.kind == BlockKind::kFooter;
}

// A region of the page image that the flowing view shows before a block:
// a tagged figure, or a band of a column that its text leaves empty.
struct Figure {
  double top;
  double bottom;
  double left;
  double right;
  size_t block;     // the block it goes before
  std::string alt;  // a tagged figure's text in place of the picture
};

struct PageLayout {
  double width = 0;
  double height = 0;
  std::vector<Fragment> fragments;
  std::vector<Row> rows;
  std::vector<Block> blocks;  // in reading order
  std::vector<Figure> figures;
};

// Appends the blocks of `layout` to `out`: the running header first, then
// every other block with the figures that go before it, then the running
// footer. Each block is wrapped by the element a screen reader announces it
// by; its fragments stand as `page` has them, each marked by how it follows
// the one before when the text flows. `background_image` is the page image
// that the figures show cut to their regions.
void append_layout_markup(const ConvertedPage& page, const PageLayout& layout,
                          std::string_view background_image, std::string& out);

inline std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

inline bool starts_lower_case(std::string_view text) {
  text = trimmed(text);
  return !text.empty() && text[0] >= 'a' && text[0] <= 'z';
}

// A line that ends with a hyphen (or a soft hyphen) after a letter.
inline bool ends_hyphenated(std::string_view text) {
  text = trimmed(text);
  return text.size() >= 2 && (text.ends_with("-") || text.ends_with("\xC2\xAD")) &&
         std::isalpha(
             static_cast<unsigned char>(text[text.size() - (text.ends_with("-") ? 2 : 3)]));
}

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_PAGE_LAYOUT_H_
