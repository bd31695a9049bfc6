#include "render/structure_recorder.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "common/drawn_text.h"

namespace lexiweb {
namespace {

DrawnBox joined(const DrawnBox& a, const DrawnBox& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

long drawn_units(double pixels) { return std::lround(pixels * kDrawnUnitsPerPixel); }

}  // namespace

void StructureRecorder::start_page(int page) { page_ = page; }

void StructureRecorder::begin_marked_content(int mcid, bool artifact, MarkKind kind) {
  Mark inner = mark();
  if (artifact) {
    inner = {0, 0, kind};
  } else if (mcid >= 0) {
    // An MCID the tree does not know is content of no element.
    inner = {};
    // A form's MCIDs are its own where the tree names the form; where it
    // does not, some producers number them as the page's.
    bool found = false;
    if (!forms_.empty()) {
      const Form& form = forms_.back();
      const auto element = tree_.form_content.find({form.number, form.generation, mcid});
      found = element != tree_.form_content.end();
      if (found) inner = {element->second.element, element->second.order};
    }
    if (!found) {
      const auto element = tree_.page_content.find(StructureTree::page_key(page_, mcid));
      if (element != tree_.page_content.end()) {
        inner = {element->second.element, element->second.order};
      }
    }
  }
  marks_.push_back(inner);
}

void StructureRecorder::end_marked_content() {
  if (!marks_.empty()) marks_.pop_back();
}

void StructureRecorder::begin_form(int number, int generation) {
  forms_.push_back({number, generation});
}

void StructureRecorder::end_form() {
  if (!forms_.empty()) forms_.pop_back();
}

void StructureRecorder::add_glyph(long run, long offset, const DrawnBox& box) {
  const Mark now = mark();
  if (!(now == piece_mark_)) {
    pieces_.push_back({run, offset, now.element, now.order, now.kind});
    piece_mark_ = now;
  }
  add_box(box);
}

void StructureRecorder::add_drawing(const DrawnBox& box) { add_box(box); }

void StructureRecorder::add_box(const DrawnBox& box) {
  const long element = mark().element;
  if (element == 0) return;
  const DrawnBox upright{std::min(box.left, box.right), std::min(box.top, box.bottom),
                         std::max(box.left, box.right), std::max(box.top, box.bottom)};
  const auto [place, added] = boxes_.try_emplace(element, upright);
  if (!added) place->second = joined(place->second, upright);
}

void StructureRecorder::end_page(int page, std::string& out) {
  DrawnStructurePage drawn;
  drawn.page = page;
  std::vector<long> ids;
  if (const auto found = tree_.page_elements.find(page); found != tree_.page_elements.end()) {
    ids = found->second;
  }
  for (const auto& [element, box] : boxes_) ids.push_back(element);
  for (const MarkedPiece& piece : pieces_) {
    if (piece.element > 0) ids.push_back(piece.element);
  }
  // With their ancestors, each chain walked once.
  std::unordered_set<long> listed;
  const size_t own = ids.size();
  for (size_t i = 0; i < own; ++i) {
    for (long id = tree_.elements[ids[i] - 1].parent; id > 0 && listed.insert(id).second;
         id = tree_.elements[id - 1].parent) {
      ids.push_back(id);
    }
  }
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  // A parent's box holds its children's; a child's id is greater.
  for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
    const auto box = boxes_.find(*id);
    const long parent = tree_.elements[*id - 1].parent;
    if (box == boxes_.end() || parent == 0) continue;
    const auto [place, added] = boxes_.try_emplace(parent, box->second);
    if (!added) place->second = joined(place->second, box->second);
  }
  for (long id : ids) {
    DrawnElement element = tree_.elements[id - 1];
    if (const auto box = boxes_.find(id); box != boxes_.end()) {
      element.left = drawn_units(box->second.left);
      element.top = drawn_units(box->second.top);
      element.right = drawn_units(box->second.right);
      element.bottom = drawn_units(box->second.bottom);
    }
    drawn.elements.push_back(std::move(element));
  }
  drawn.pieces = std::move(pieces_);
  append_structure_page(out, drawn);
  pieces_.clear();
  boxes_.clear();
  marks_.clear();
  forms_.clear();
  piece_mark_ = {};
}

}  // namespace lexiweb
