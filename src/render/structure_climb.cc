// The tree as far as a range of pages needs it. Every renderer process
// reads its own range, and a document of thousands of elements costs
// tenths of a second to read whole, so reading it whole in each range
// would make the tree cost the ranges times the document. Instead the
// parent tree tells which element each marked-content sequence of the
// range's pages belongs to, and from each such element the reader climbs
// its /P chain to the root. The places of the kids within their parents'
// /K give the tree's order without reading the rest of the tree.
#include "render/structure_climb.h"

#include <Catalog.h>
#include <Object.h>
#include <PDFDoc.h>
#include <Page.h>
#include <XRef.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "render/structure_element.h"

namespace lexiweb {
namespace {

// A number tree nested deeper than this is a loop.
constexpr int kDeepestNumberTree = 32;

bool same_ref(const Ref& a, const Ref& b) { return a.num == b.num && a.gen == b.gen; }

// The value of `key` in the number tree `tree`, as it stands there (a
// reference is not followed); null when it has none. Each level's /Limits lead to the one kid that
// can hold the key.
Object number_tree_value(const Object& tree, int key) {
  Object node = tree.copy();
  for (int depth = 0; depth < kDeepestNumberTree && node.isDict(); ++depth) {
    const Object numbers = node.dictLookup("Nums");
    if (numbers.isArray()) {
      for (int i = 0; i + 1 < numbers.arrayGetLength(); i += 2) {
        const Object& number = numbers.arrayGetNF(i);
        if (number.isInt() && number.getInt() == key) return numbers.arrayGetNF(i + 1).copy();
      }
      return Object(objNull);
    }
    const Object kids = node.dictLookup("Kids");
    if (!kids.isArray()) break;
    Object next(objNull);
    for (int i = 0; i < kids.arrayGetLength(); ++i) {
      Object kid = kids.arrayGet(i);
      if (!kid.isDict()) continue;
      const Object limits = kid.dictLookup("Limits");
      if (limits.isArray() && limits.arrayGetLength() == 2) {
        const Object low = limits.arrayGet(0);
        const Object high = limits.arrayGet(1);
        if (low.isInt() && high.isInt() && (key < low.getInt() || key > high.getInt())) continue;
      }
      next = std::move(kid);
      break;
    }
    node = std::move(next);
  }
  return Object(objNull);
}

// A marked-content sequence of the range: MCID `mcid` of a page, or of the
// form XObject `form` when `in_form`.
struct Content {
  int page = 0;
  int mcid = 0;
  bool in_form = false;
  Ref form = Ref::INVALID();
  size_t node = 0;  // the element it belongs to
};

// A marked-content kid of an element: an MCID of a page, or of a form.
using KidKey = std::tuple<bool, int, int, int>;  // in a form, its number, generation, MCID

// Where each kid that is an element stands in a parent's /K, read when
// first asked.
struct KidRefs {
  bool read = false;
  std::map<Ref, int> places;
};

// An element met on the way up from the range's content.
struct Node {
  Ref ref;
  Object dict;
  long parent = -1;       // index of its parent node, -1 for a child of the root
  int depth = 1;          // 1 for a child of the root
  std::vector<int> path;  // its place in each of its ancestors' /K, from the root down
  DrawnElement element;
  long id = 0;
  KidRefs kid_refs;
  // Where each of its marked-content kids stands in its /K, read when
  // first asked.
  bool kids_read = false;
  std::map<KidKey, int> kid_places;
};

class TreeClimber {
 public:
  TreeClimber(PDFDoc& document, const Object& root, StructureTree* tree)
      : document_(document), xref_(document.getXRef()), root_(root), tree_(*tree) {
    role_map_ = root.dictLookup("RoleMap");
    parent_tree_ = root.dictLookup("ParentTree");
    const Object catalog = xref_->getCatalog();
    if (catalog.isDict() && catalog.dictLookupNF("StructTreeRoot").isRef()) {
      root_ref_ = catalog.dictLookupNF("StructTreeRoot").getRef();
    }
  }

  bool has_parent_tree() const { return parent_tree_.isDict(); }

  void read_pages(int first, int last) {
    Catalog* catalog = document_.getCatalog();
    for (int page = first; page <= last && page <= catalog->getNumPages(); ++page) {
      const Ref* page_ref = catalog->getPageRef(page);
      if (page_ref == nullptr) continue;
      const Object page_dict = xref_->fetch(*page_ref);
      if (!page_dict.isDict()) continue;
      read_sequences(page_dict.dictLookup("StructParents"), page, false, Ref::INVALID());
      Page* drawn = catalog->getPage(page);
      if (drawn == nullptr) continue;
      read_forms(drawn, page);
      read_annotations(drawn, page);
    }
  }

  void finish() {
    // Ids in the tree's order: a node's path sorts before its descendants'.
    std::vector<size_t> order(nodes_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [this](size_t a, size_t b) { return nodes_[a].path < nodes_[b].path; });
    for (size_t i = 0; i < order.size(); ++i) nodes_[order[i]].id = static_cast<long>(i) + 1;
    for (size_t index : order) {
      Node& node = nodes_[index];
      DrawnElement element = std::move(node.element);
      element.id = node.id;
      element.parent = node.parent < 0 ? 0 : nodes_[node.parent].id;
      if (element.lang.empty() && element.parent > 0) {
        element.lang = tree_.elements[element.parent - 1].lang;
      }
      tree_.elements.push_back(std::move(element));
    }
    // The sequences in the tree's order: their element's place, then theirs
    // among its kids.
    std::vector<std::pair<std::vector<int>, size_t>> keyed;
    keyed.reserve(contents_.size());
    for (size_t i = 0; i < contents_.size(); ++i) {
      std::vector<int> key = nodes_[contents_[i].node].path;
      key.push_back(place_among_kids(contents_[i]));
      keyed.emplace_back(std::move(key), i);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    long order_number = 0;
    for (const auto& [key, i] : keyed) {
      const Content& content = contents_[i];
      const MarkedContent marked{nodes_[content.node].id, ++order_number};
      if (content.in_form) {
        tree_.form_content[{content.form.num, content.form.gen, content.mcid}] = marked;
      } else {
        tree_.page_content[StructureTree::page_key(content.page, content.mcid)] = marked;
      }
      tree_.page_elements[content.page].push_back(marked.element);
    }
    for (const auto& [page, node] : annotations_) {
      tree_.page_elements[page].push_back(nodes_[node].id);
    }
  }

 private:
  // The sequences that the parent tree's entry `key` lists, by MCID.
  void read_sequences(const Object& key, int page, bool in_form, Ref form) {
    if (!key.isInt() || !has_parent_tree()) return;
    const Object owners = number_tree_value(parent_tree_, key.getInt()).fetch(xref_);
    if (!owners.isArray()) return;
    for (int mcid = 0; mcid < owners.arrayGetLength(); ++mcid) {
      const Object& owner = owners.arrayGetNF(mcid);
      if (!owner.isRef()) continue;
      const long node = node_of(owner.getRef());
      if (node < 0) continue;
      contents_.push_back({page, mcid, in_form, form, static_cast<size_t>(node)});
    }
  }

  // The form XObjects the page draws that have marked content of their own.
  void read_forms(Page* page, int number) {
    Dict* resources = page->getResourceDict();
    if (resources == nullptr) return;
    const Object forms = resources->lookup("XObject");
    if (!forms.isDict()) return;
    for (int i = 0; i < forms.dictGetLength(); ++i) {
      const Object& reference = forms.dictGetValNF(i);
      if (!reference.isRef()) continue;
      const Object form = reference.fetch(xref_);
      if (!form.isStream() || !form.streamGetDict()->lookup("Subtype").isName("Form")) continue;
      read_sequences(form.streamGetDict()->lookup("StructParents"), number, true,
                     reference.getRef());
    }
  }

  // The elements of the page's annotations (links, widgets): they are the
  // page's even where they draw no text.
  void read_annotations(Page* page, int number) {
    const Object annotations = page->getAnnotsObject(xref_);
    if (!annotations.isArray() || !has_parent_tree()) return;
    for (int i = 0; i < annotations.arrayGetLength(); ++i) {
      const Object annotation = annotations.arrayGet(i);
      if (!annotation.isDict()) continue;
      const Object key = annotation.dictLookup("StructParent");
      if (!key.isInt()) continue;
      const Object owner = number_tree_value(parent_tree_, key.getInt());
      if (!owner.isRef()) continue;
      const long node = node_of(owner.getRef());
      if (node >= 0) annotations_.emplace_back(number, static_cast<size_t>(node));
    }
  }

  // The node of the element `ref`, climbing to the root for what is not
  // read yet; -1 when `ref` is no element. An element deeper than
  // kDeepestElement is its ancestor at that depth.
  long node_of(Ref ref) {
    if (const auto known = nodes_by_ref_.find(ref); known != nodes_by_ref_.end()) {
      return known->second;
    }
    // The chain up to a node already read or to the root, each link once.
    std::vector<std::pair<Ref, Object>> chain;
    std::set<Ref> in_chain;
    long above = -1;
    for (Ref at = ref; static_cast<long>(nodes_.size() + chain.size()) < kMostElements;) {
      if (const auto known = nodes_by_ref_.find(at); known != nodes_by_ref_.end()) {
        above = known->second;
        break;
      }
      Object dict = xref_->fetch(at);
      if (!dict.isDict() || !dict.dictLookup("S").isName()) break;
      in_chain.insert(at);
      const Object parent = dict.dictLookupNF("P").copy();
      chain.emplace_back(at, std::move(dict));
      if (!parent.isRef() || is_root(parent.getRef()) || in_chain.contains(parent.getRef())) break;
      at = parent.getRef();
    }
    if (chain.empty()) return above;
    // From the top down; a link deeper than the bound is its ancestor at it.
    for (auto link = chain.rbegin(); link != chain.rend(); ++link) {
      const int depth = above < 0 ? 1 : nodes_[above].depth + 1;
      if (depth > kDeepestElement) {
        nodes_by_ref_[link->first] = above;
        continue;
      }
      Node node;
      node.ref = link->first;
      node.parent = above;
      node.depth = depth;
      node.path = above < 0 ? std::vector<int>() : nodes_[above].path;
      node.path.push_back(place_of_kid(above, node.ref));
      node.element = element_fields(link->second, role_map_);
      node.dict = std::move(link->second);
      nodes_.push_back(std::move(node));
      above = static_cast<long>(nodes_.size()) - 1;
      nodes_by_ref_[link->first] = above;
    }
    return nodes_by_ref_[ref];
  }

  bool is_root(Ref ref) const { return same_ref(root_ref_, ref); }

  // The place of the kid `ref` in the /K of the node `parent` (-1 for the
  // root); after all its kids when it is not among them (a /P that its
  // parent does not return). Each parent's kids are looked through once:
  // a document's element may have thousands.
  int place_of_kid(long parent, Ref ref) {
    KidRefs& places = parent < 0 ? root_kids_ : nodes_[parent].kid_refs;
    if (!places.read) {
      places.read = true;
      const Object& kids = (parent < 0 ? root_ : nodes_[parent].dict).dictLookupNF("K");
      const int count = kids.isArray() ? kids.arrayGetLength() : 1;
      for (int i = 0; i < count; ++i) {
        const Object& kid = kids.isArray() ? kids.arrayGetNF(i) : kids;
        if (kid.isRef()) places.places.try_emplace(kid.getRef(), i);
      }
    }
    const auto found = places.places.find(ref);
    return found == places.places.end() ? INT_MAX : found->second;
  }

  // The place of the sequence among its element's kids: an MCID, or a
  // marked-content reference that names it; after them all when none does.
  int place_among_kids(const Content& content) {
    Node& node = nodes_[content.node];
    if (!node.kids_read) {
      node.kids_read = true;
      const Object& kids = node.dict.dictLookupNF("K");
      const int count = kids.isArray() ? kids.arrayGetLength() : 1;
      for (int i = 0; i < count; ++i) {
        const Object& kid = kids.isArray() ? kids.arrayGetNF(i) : kids;
        if (kid.isInt()) {
          node.kid_places.try_emplace(KidKey{false, 0, 0, kid.getInt()}, i);
          continue;
        }
        const Object reference = kid.isRef() ? kid.fetch(xref_) : kid.copy();
        if (!reference.isDict() || !reference.dictLookup("Type").isName("MCR")) continue;
        const Object mcid = reference.dictLookup("MCID");
        if (!mcid.isInt()) continue;
        const Object& stream = reference.dictLookupNF("Stm");
        const KidKey key =
            stream.isRef() ? KidKey{true, stream.getRef().num, stream.getRef().gen, mcid.getInt()}
                           : KidKey{false, 0, 0, mcid.getInt()};
        node.kid_places.try_emplace(key, i);
      }
    }
    const KidKey key = content.in_form
                           ? KidKey{true, content.form.num, content.form.gen, content.mcid}
                           : KidKey{false, 0, 0, content.mcid};
    const auto found = node.kid_places.find(key);
    return found == node.kid_places.end() ? INT_MAX : found->second;
  }

  PDFDoc& document_;
  XRef* xref_;
  const Object& root_;
  StructureTree& tree_;
  Object role_map_;
  Object parent_tree_;
  Ref root_ref_ = Ref::INVALID();
  KidRefs root_kids_;
  std::vector<Node> nodes_;
  std::map<Ref, long> nodes_by_ref_;
  std::vector<Content> contents_;
  std::vector<std::pair<int, size_t>> annotations_;  // page, node
};

}  // namespace

bool climb_structure_tree(PDFDoc& document, const Object& root, int first, int last,
                          StructureTree* tree) {
  TreeClimber climber(document, root, tree);
  if (!climber.has_parent_tree()) return false;
  climber.read_pages(first, last);
  climber.finish();
  return true;
}

}  // namespace lexiweb
