// Follows the marked content of a tagged PDF's pages as the renderer draws
// them, and tells per page (common/drawn_structure.h) the elements that
// have content there and which element each piece of the drawn text
// belongs to. It takes numbers only, the device decoding poppler's types.
#ifndef LEXIWEB_RENDER_STRUCTURE_RECORDER_H_
#define LEXIWEB_RENDER_STRUCTURE_RECORDER_H_

#include <string>
#include <unordered_map>
#include <vector>

#include "common/drawn_structure.h"
#include "render/structure_tree.h"

namespace lexiweb {

// A rectangle in pixels at the page's zoom.
struct DrawnBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

class StructureRecorder {
 public:
  explicit StructureRecorder(const StructureTree& tree) : tree_(tree) {}

  // Page `page` is drawn next.
  void start_page(int page);

  // A marked-content sequence begins: with its MCID (-1 when it has none),
  // or an artifact of `kind` when `artifact`. Sequences without an MCID
  // belong to the sequence around them.
  void begin_marked_content(int mcid, bool artifact, MarkKind kind);
  void end_marked_content();

  // A form XObject's content begins and ends: its MCIDs are its own.
  void begin_form(int number, int generation);
  void end_form();

  // Whether what is drawn now belongs to an element, so that its box counts.
  bool in_element() const { return mark().element != 0; }

  // A glyph drawn over `box`, whose text the text recorder put at byte
  // `offset` of its page's run number `run`.
  void add_glyph(long run, long offset, const DrawnBox& box);

  // A picture or a path drawn over `box`.
  void add_drawing(const DrawnBox& box);

  // Appends page `page`'s block, "p" to "e", to `out` when the page has
  // any structure, and starts the next page.
  void end_page(int page, std::string& out);

 private:
  struct Mark {
    long element = 0;
    long order = 0;
    MarkKind kind = MarkKind::kContent;
    bool operator==(const Mark&) const = default;
  };
  struct Form {
    int number = 0;
    int generation = 0;
  };

  Mark mark() const { return marks_.empty() ? Mark() : marks_.back(); }
  void add_box(const DrawnBox& box);

  const StructureTree& tree_;
  int page_ = 0;
  std::vector<Mark> marks_;  // of the open sequences, each with what it inherits
  std::vector<Form> forms_;
  Mark piece_mark_;  // of the page's last piece
  std::vector<MarkedPiece> pieces_;
  std::unordered_map<long, DrawnBox> boxes_;  // by element, of what it drew itself
};

}  // namespace lexiweb

#endif  // LEXIWEB_RENDER_STRUCTURE_RECORDER_H_
