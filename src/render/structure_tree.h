// A tagged PDF's structure tree, read once when the renderer opens the
// document, as far as the pages it draws need it: their elements with
// their ancestors in depth-first order, and which element each
// marked-content sequence (a page's or a form's MCID) belongs to. A PDF is
// outside input, so the reading is bounded: a cycle is read once, an
// element nested deeper than kDeepestElement gives its content to its
// ancestor at that depth, and a tree of more than kMostElements elements
// is read that far.
#ifndef LEXIWEB_RENDER_STRUCTURE_TREE_H_
#define LEXIWEB_RENDER_STRUCTURE_TREE_H_

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "common/drawn_structure.h"

class PDFDoc;

namespace lexiweb {

inline constexpr int kDeepestElement = 100;
inline constexpr long kMostElements = 2'000'000;

// The element a marked-content sequence belongs to, and its place in the
// tree's depth-first order among the sequences read (from 1).
struct MarkedContent {
  long element = 0;
  long order = 0;
};

struct StructureTree {
  // Whether the document is tagged: its pages' structure is told even
  // where they have no element.
  bool tagged = false;
  // Element i has id i + 1; its box fields stay 0 here.
  std::vector<DrawnElement> elements;
  // The sequence of MCID m on page p, keyed by page_key(p, m).
  std::unordered_map<std::uint64_t, MarkedContent> page_content;
  // The sequence of MCID m of the form XObject n g R, keyed (n, g, m).
  std::map<std::tuple<int, int, int>, MarkedContent> form_content;
  // The elements with content of their own on each page, in no order.
  std::unordered_map<int, std::vector<long>> page_elements;

  bool empty() const { return !tagged; }
  static std::uint64_t page_key(int page, int mcid) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(page)) << 32) |
           static_cast<std::uint32_t>(mcid);
  }
};

// The tree of `document` as far as pages `first` to `last` need it; empty
// when the document is untagged, or its tree holds no element.
StructureTree read_structure_tree(PDFDoc& document, int first, int last);

// The catalogue's /Lang and the Info dictionary's /Title, in UTF-8.
DocumentTags document_tags_of(PDFDoc& document);

}  // namespace lexiweb

#endif  // LEXIWEB_RENDER_STRUCTURE_TREE_H_
