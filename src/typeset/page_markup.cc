// Writes a page's blocks back in reading order, each wrapped by the element
// a screen reader announces it by, the fragments within unchanged but for
// the mark of how each follows the one before when the text flows.
#include <algorithm>
#include <cmath>

#include "common/page_heads.h"
#include "typeset/page_layout.h"
#include "typeset/page_structure.h"

namespace lexiweb {
namespace {

// How `fragment` follows `before` in a block of `kind` when the text flows:
// on the same line, after a blank where they stand apart; on the next, after
// a blank, a hyphen the flowing view hides, or (in code) a line end.
std::string_view follows(const Fragment& before, const Fragment& fragment, bool same_line,
                         BlockKind kind) {
  if (same_line) {
    if (fragment.first_line.starts_with(' ')) return kFollowsWithOwnBlank;
    const double gap = fragment.left - before.left - before.last_width;
    return gap > 0.12 * fragment.size || before.width == 0 ? kFollowsWithBlank : "";
  }
  if (ends_hyphenated(before.last_line) && starts_lower_case(fragment.first_line)) {
    return kFollowsHyphenated;
  }
  return kind == BlockKind::kCode ? "n" : kFollowsWithBlank;
}

// The fragment's markup on a line of its own.
void append_fragment_line(const ConvertedPage& page, const Fragment& fragment,
                          std::string_view follows, std::string& out) {
  append_fragment(page, page.fragments[fragment.source], follows, out);
  out += '\n';
}

// Fragments `indices` one after the other, as in a cell of the tree's
// table: those on one baseline, left to right, are on one line.
void append_fragment_run(const ConvertedPage& page, const PageLayout& layout,
                         const std::vector<size_t>& indices, std::string& out) {
  for (size_t k = 0; k < indices.size(); ++k) {
    const Fragment& fragment = layout.fragments[indices[k]];
    std::string_view follows_before;
    if (k > 0) {
      const Fragment& before = layout.fragments[indices[k - 1]];
      const bool same_line = std::abs(fragment.top + fragment.size - before.top - before.size) <=
                                 0.6 * std::max(before.size, fragment.size) &&
                             fragment.left >= before.left + before.width / 2;
      follows_before = follows(before, fragment, same_line, BlockKind::kTable);
    }
    append_fragment_line(page, fragment, follows_before, out);
  }
}

// A table of the tree: its caption, then a row of cells for each of its
// rows, a header cell for each TH, with their spans.
void append_tree_table(const ConvertedPage& page, const PageLayout& layout, const Block& block,
                       std::string& out) {
  if (!block.table_caption.empty()) {
    out += "<caption>\n";
    append_fragment_run(page, layout, block.table_caption, out);
    out += "</caption>\n";
  }
  for (const TableRow& row : block.table_rows) {
    out += "<tr>";
    for (const TableCell& cell : row.cells) {
      out += cell.header ? "<th" : "<td";
      if (cell.columns > 1) out += " colspan=\"" + std::to_string(cell.columns) + "\"";
      if (cell.rows > 1) out += " rowspan=\"" + std::to_string(cell.rows) + "\"";
      out += ">\n";
      append_fragment_run(page, layout, cell.fragments, out);
      out += cell.header ? "</th>" : "</td>";
    }
    out += "</tr>\n";
  }
}

// The fragments of `block`, a table's in its rows and cells.
void append_fragments(const ConvertedPage& page, const PageLayout& layout, const Block& block,
                      std::string& out) {
  if (!block.table_rows.empty()) {
    append_tree_table(page, layout, block, out);
    return;
  }
  const std::vector<Fragment>& fragments = layout.fragments;
  bool first_fragment = true;
  const bool table = block.kind == BlockKind::kTable;
  for (size_t r : block.rows) {
    const Row& row = layout.rows[r];
    size_t cell = 0;
    if (table) out += "<tr>";
    for (size_t i = row.first; i <= row.last; ++i) {
      if (table && cell < row.cells.size() && row.cells[cell] == i) {
        out += cell == 0 ? "<td>\n" : "</td><td>\n";
        ++cell;
        first_fragment = true;
      }
      append_fragment_line(
          page, fragments[i],
          first_fragment ? "" : follows(fragments[i - 1], fragments[i], i > row.first, block.kind),
          out);
      first_fragment = false;
    }
    if (table) out += "</td></tr>\n";
  }
}

// A percentage with two decimals.
std::string percent(double value) {
  std::string text = std::to_string(std::lround(value * 100));
  while (text.size() < 3) text.insert(text.begin() + (text[0] == '-' ? 1 : 0), '0');
  return text.substr(0, text.size() - 2) + "." + text.substr(text.size() - 2);
}

void append_figure(const PageLayout& layout, const Figure& figure,
                   std::string_view background_image, std::string& out) {
  const double width = std::max(1.0, figure.right - figure.left);
  const double height = std::max(1.0, figure.bottom - figure.top);
  std::string label = " aria-hidden=\"true\"";
  if (!figure.alt.empty()) {
    label = " role=\"img\" aria-label=\"";
    append_escaped(label, figure.alt);
    label += '"';
  }
  if (figure.right <= figure.left || figure.bottom <= figure.top) {
    // Where it is drawn is not known: its text alone.
    out += "<figure class=\"lw-figure\"" + label + "></figure>\n";
    return;
  }
  // Percentages of the region's own width: the image scales with it.
  out += "<figure class=\"lw-figure\"" + label +
         " style=\"aspect-ratio:" + std::to_string(std::lround(width)) + "/" +
         std::to_string(std::lround(height)) + ";max-width:" + std::to_string(std::lround(width)) +
         "px;background:url(" + std::string(background_image) + ") " +
         percent(layout.width > width ? 100 * figure.left / (layout.width - width) : 0) + "% " +
         percent(layout.height > height ? 100 * figure.top / (layout.height - height) : 0) + "%/" +
         percent(100 * layout.width / width) + "% auto no-repeat\"></figure>\n";
}

// The start and end tags that wrap the block at `b`.
void block_tags(const PageLayout& layout, size_t b, std::string& start, std::string& end) {
  const std::vector<Block>& blocks = layout.blocks;
  const Block& block = blocks[b];
  const bool list_before = b > 0 && blocks[b - 1].kind == BlockKind::kListItem &&
                           blocks[b - 1].numbered == block.numbered;
  const bool list_after = b + 1 < blocks.size() && blocks[b + 1].kind == BlockKind::kListItem &&
                          blocks[b + 1].numbered == block.numbered;
  end = "</div>";
  switch (block.kind) {
    case BlockKind::kHeading:
      start = "<div class=\"lw-h\" role=\"heading\" aria-level=\"" + std::to_string(block.level) +
              "\">";
      break;
    case BlockKind::kListItem:
      start = list_before      ? "<li>"
              : block.numbered ? "<ol class=\"lw-list\"><li>"
                               : "<ul class=\"lw-list\"><li>";
      end = list_after ? "</li>" : block.numbered ? "</li></ol>" : "</li></ul>";
      break;
    case BlockKind::kCode:
      start = "<div class=\"lw-code\">";
      break;
    case BlockKind::kCaption:
      start = "<div class=\"lw-caption\">";
      break;
    case BlockKind::kTable:
      start = "<div class=\"lw-table\"><table>";
      end = "</table></div>";
      break;
    case BlockKind::kHeader:
    case BlockKind::kFooter: {
      bool link = false;
      for (size_t r : block.rows) {
        for (size_t i = layout.rows[r].first; i <= layout.rows[r].last; ++i) {
          link = link || layout.fragments[i].link;
        }
      }
      // Repeated on every page: a screen reader passes over it, unless it leads somewhere.
      start =
          link ? "<div class=\"lw-running\">" : "<div class=\"lw-running\" aria-hidden=\"true\">";
      break;
    }
    case BlockKind::kParagraph:
      start = "<div class=\"lw-p\">";
      break;
  }
  if (!block.lang.empty()) {
    // The language of a part in another: on the block's own element.
    const size_t name_end = start.rfind('<') + start.substr(start.rfind('<')).find_first_of(" >");
    std::string attribute = " lang=\"";
    append_escaped(attribute, block.lang);
    start.insert(name_end, attribute + "\"");
  }
}

// The blocks of kind `running` alone, or (with `running_only` false) every
// block that is no running header or footer, with the figures before them.
void append_blocks(const ConvertedPage& page, const PageLayout& layout,
                   std::string_view background_image, bool running_only, BlockKind running,
                   std::string& out) {
  std::string start;
  std::string end;
  for (size_t b = 0; b < layout.blocks.size(); ++b) {
    const Block& block = layout.blocks[b];
    if (!running_only) {
      for (const Figure& figure : layout.figures) {
        if (figure.block == b) append_figure(layout, figure, background_image, out);
      }
    }
    if (running_only ? block.kind != running : is_running(block)) continue;
    block_tags(layout, b, start, end);
    out += start;
    out += '\n';
    append_fragments(page, layout, block, out);
    out += end;
    out += '\n';
  }
}

}  // namespace

void append_layout_markup(const ConvertedPage& page, const PageLayout& layout,
                          std::string_view background_image, std::string& out) {
  append_blocks(page, layout, background_image, true, BlockKind::kHeader, out);
  append_blocks(page, layout, background_image, false, BlockKind::kParagraph, out);
  append_blocks(page, layout, background_image, true, BlockKind::kFooter, out);
}

}  // namespace lexiweb
