// Reads a tagged PDF's structure tree as far as a range of pages needs it,
// through the tree's parent tree (see structure_climb.cc).
#ifndef LEXIWEB_RENDER_STRUCTURE_CLIMB_H_
#define LEXIWEB_RENDER_STRUCTURE_CLIMB_H_

#include "render/structure_tree.h"

class Object;

namespace lexiweb {

// Fills `tree` with the elements that have marked content or annotations
// on pages `first` to `last` of `document`, with their ancestors, and with
// what each of those pages' sequences belongs to; ids and orders follow
// the tree's depth-first order among them. False, leaving `tree` as it
// was, when the tree root `root` has no parent tree to climb from.
bool climb_structure_tree(PDFDoc& document, const Object& root, int first, int last,
                          StructureTree* tree);

}  // namespace lexiweb

#endif  // LEXIWEB_RENDER_STRUCTURE_CLIMB_H_
