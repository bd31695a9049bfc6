// A tree without a parent tree is read whole, from its root down. Either
// way it is read from the PDF's own objects rather than through poppler's
// StructTreeRoot, which reads it recursively (a hostile depth overflows the
// stack), leaves out every element whose role it does not know together
// with all the content beneath it, and finds each /Pg by a walk over all
// pages.
#include "render/structure_tree.h"

#include <Catalog.h>
#include <Object.h>
#include <PDFDoc.h>
#include <XRef.h>
#include <goo/GooString.h>

#include <algorithm>
#include <set>
#include <utility>

#include "render/structure_climb.h"
#include "render/structure_element.h"

namespace lexiweb {
namespace {

// A kid still to read, with what it inherits from its parent.
struct PendingKid {
  Object kid;       // as its parent holds it: a reference, a dictionary or an MCID
  long parent = 0;  // the element it belongs to, 0 for the tree's root
  int depth = 0;    // of its parent, 0 for the root
  int page = 0;     // of its parent's /Pg, 0 when none
};

// Reads the tree depth first with a stack of its own, so that its
// elements and its marked content come in the author's order however
// deep it nests.
class TreeReader {
 public:
  TreeReader(PDFDoc& document, StructureTree* tree) : document_(document), tree_(*tree) {}

  void read(const Object& root) {
    role_map_ = root.dictLookup("RoleMap");
    push_kids(root, 0, 0, 0);
    while (!pending_.empty() && static_cast<long>(tree_.elements.size()) < kMostElements) {
      const PendingKid next = std::move(pending_.back());
      pending_.pop_back();
      read_kid(next);
    }
  }

 private:
  // The number of the page `reference` names, 0 when it names none.
  int page_of(const Object& reference) {
    if (!reference.isRef()) return 0;
    if (page_numbers_.empty()) {
      Catalog* catalog = document_.getCatalog();
      for (int page = 1; page <= catalog->getNumPages(); ++page) {
        if (const Ref* ref = catalog->getPageRef(page)) page_numbers_.emplace(*ref, page);
      }
    }
    const auto found = page_numbers_.find(reference.getRef());
    return found == page_numbers_.end() ? 0 : found->second;
  }

  // Puts the kids of `parent` on the stack, the last first so that they
  // are read in order.
  void push_kids(const Object& parent, long id, int depth, int page) {
    const Object& kids = parent.dictLookupNF("K");
    if (!kids.isArray()) {
      pending_.push_back({kids.copy(), id, depth, page});
      return;
    }
    for (int i = kids.arrayGetLength() - 1; i >= 0; --i) {
      pending_.push_back({kids.arrayGetNF(i).copy(), id, depth, page});
    }
  }

  void read_kid(const PendingKid& pending) {
    const Object& kid = pending.kid;
    if (kid.isInt()) {
      add_content(pending.page, kid.getInt(), pending.parent);
      return;
    }
    if (kid.isRef() && !seen_.insert(kid.getRef()).second) return;  // a cycle, or read already
    const Object object = kid.fetch(document_.getXRef());
    if (!object.isDict()) return;
    const Object type = object.dictLookup("Type");
    const Object& page_reference = object.dictLookupNF("Pg");
    const int page = page_reference.isRef() ? page_of(page_reference) : pending.page;
    if (type.isName("MCR")) {
      const Object mcid = object.dictLookup("MCID");
      if (!mcid.isInt()) return;
      const Object& stream = object.dictLookupNF("Stm");
      if (stream.isRef()) {
        if (pending.parent == 0) return;
        const Ref form = stream.getRef();
        tree_.form_content[{form.num, form.gen, mcid.getInt()}] = {pending.parent, ++order_};
        if (page > 0) tree_.page_elements[page].push_back(pending.parent);
      } else {
        add_content(page, mcid.getInt(), pending.parent);
      }
    } else if (type.isName("OBJR")) {
      if (page > 0 && pending.parent > 0) tree_.page_elements[page].push_back(pending.parent);
    } else if (object.dictLookup("S").isName()) {
      read_element(object, pending, page);
    }
  }

  void read_element(const Object& dict, const PendingKid& pending, int page) {
    long id = pending.parent;
    // Deeper than the bound, the content goes to the ancestor at it.
    if (pending.depth < kDeepestElement) {
      DrawnElement element = element_fields(dict, role_map_);
      element.id = static_cast<long>(tree_.elements.size()) + 1;
      element.parent = pending.parent;
      if (element.lang.empty() && element.parent > 0) {
        element.lang = tree_.elements[element.parent - 1].lang;
      }
      id = element.id;
      tree_.elements.push_back(std::move(element));
    }
    push_kids(dict, id, std::min(pending.depth + 1, kDeepestElement), page);
  }

  void add_content(int page, int mcid, long id) {
    if (page <= 0 || mcid < 0 || id == 0) return;
    tree_.page_content[StructureTree::page_key(page, mcid)] = {id, ++order_};
    tree_.page_elements[page].push_back(id);
  }

  PDFDoc& document_;
  StructureTree& tree_;
  Object role_map_;
  std::vector<PendingKid> pending_;
  std::set<Ref> seen_;
  std::map<Ref, int> page_numbers_;
  long order_ = 0;  // of the last marked-content sequence read
};

}  // namespace

StructureTree read_structure_tree(PDFDoc& document, int first, int last) {
  StructureTree tree;
  const Object catalog = document.getXRef()->getCatalog();
  if (!catalog.isDict()) return tree;
  const Object root = catalog.dictLookup("StructTreeRoot");
  if (!root.isDict()) return tree;
  if (climb_structure_tree(document, root, first, last, &tree)) {
    tree.tagged = !root.dictLookupNF("K").isNull();
  } else {
    TreeReader(document, &tree).read(root);
    tree.tagged = !tree.elements.empty();
  }
  return tree;
}

DocumentTags document_tags_of(PDFDoc& document) {
  DocumentTags tags;
  const Object catalog = document.getXRef()->getCatalog();
  if (catalog.isDict()) tags.lang = text_of(catalog.dictLookup("Lang"));
  if (const std::unique_ptr<GooString> title = document.getDocInfoTitle()) {
    tags.title = text_of(title.get());
  }
  return tags;
}

}  // namespace lexiweb
