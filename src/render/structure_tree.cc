// The tree is read from the PDF's own objects rather than through poppler's
// StructTreeRoot, which reads it recursively (a hostile depth overflows the
// stack), leaves out every element whose role it does not know together
// with all the content beneath it, and finds each /Pg by a walk over all
// pages.
#include "render/structure_tree.h"

#include <Catalog.h>
#include <Object.h>
#include <PDFDoc.h>
#include <UTF.h>
#include <XRef.h>
#include <goo/GooString.h>
#include <goo/gmem.h>

#include <algorithm>
#include <array>
#include <set>
#include <string_view>
#include <utility>

#include "common/utf8.h"

namespace lexiweb {
namespace {

// The standard structure types, of PDF 1.7 and 2.0.
constexpr std::array<std::string_view, 55> kStandardRoles = {"Document",  "DocumentFragment",
                                                             "Part",      "Art",
                                                             "Sect",      "Div",
                                                             "Aside",     "NonStruct",
                                                             "Private",   "BlockQuote",
                                                             "Caption",   "TOC",
                                                             "TOCI",      "Index",
                                                             "P",         "H",
                                                             "H1",        "H2",
                                                             "H3",        "H4",
                                                             "H5",        "H6",
                                                             "Title",     "FENote",
                                                             "L",         "LI",
                                                             "Lbl",       "LBody",
                                                             "Table",     "TR",
                                                             "TH",        "TD",
                                                             "THead",     "TBody",
                                                             "TFoot",     "Span",
                                                             "Quote",     "Note",
                                                             "Reference", "BibEntry",
                                                             "Code",      "Link",
                                                             "Annot",     "Sub",
                                                             "Em",        "Strong",
                                                             "Ruby",      "RB",
                                                             "RT",        "RP",
                                                             "Warichu",   "WT",
                                                             "WP",        "Figure",
                                                             "Formula"};

// A chain of role map entries longer than this is a loop.
constexpr int kLongestRoleChain = 16;

bool is_standard(std::string_view role) {
  if (role == "Form" || role == "Artifact") return true;
  for (std::string_view standard : kStandardRoles) {
    if (role == standard) return true;
  }
  return false;
}

// A PDF text string (UTF-16 with its byte order mark, or PDFDocEncoding)
// as UTF-8; empty when there is none.
std::string text_of(const GooString* string) {
  if (string == nullptr) return {};
  Unicode* characters = nullptr;
  const int length = TextStringToUCS4(string->toStr(), &characters);
  std::string text;
  for (int i = 0; i < length; ++i) append_utf8(text, characters[i]);
  gfree(characters);
  return text;
}

std::string text_of(const Object& object) {
  return object.isString() ? text_of(object.getString()) : std::string();
}

// The standard role that `name` stands for by the document's role map, or
// "-" when it stands for none.
std::string standard_role(std::string name, const Object& role_map) {
  for (int step = 0; step < kLongestRoleChain; ++step) {
    if (is_standard(name)) return name;
    if (!role_map.isDict()) break;
    const Object mapped = role_map.dictLookup(name.c_str());
    if (!mapped.isName()) break;
    name = mapped.getName();
  }
  return "-";
}

long heading_level(std::string_view role) {
  if (role.size() == 2 && role[0] == 'H' && role[1] >= '1' && role[1] <= '6') return role[1] - '0';
  return 0;
}

// A table cell's spans, from its attributes: a dictionary, or an array of
// dictionaries and revision numbers.
void read_spans(const Object& attributes, DrawnElement* element) {
  const auto read_one = [element](const Object& dict) {
    if (!dict.isDict() || !dict.dictLookup("O").isName("Table")) return;
    const Object columns = dict.dictLookup("ColSpan");
    const Object rows = dict.dictLookup("RowSpan");
    if (columns.isInt() && columns.getInt() > 0) element->columns = columns.getInt();
    if (rows.isInt() && rows.getInt() > 0) element->rows = rows.getInt();
  };
  if (attributes.isArray()) {
    for (int i = 0; i < attributes.arrayGetLength(); ++i) read_one(attributes.arrayGet(i));
  } else {
    read_one(attributes);
  }
}

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
      DrawnElement element;
      element.id = static_cast<long>(tree_.elements.size()) + 1;
      element.parent = pending.parent;
      const Object role = dict.dictLookup("S");
      element.role = role.isName() ? standard_role(role.getName(), role_map_) : "-";
      element.level = heading_level(element.role);
      element.lang = text_of(dict.dictLookup("Lang"));
      if (element.lang.empty() && element.parent > 0) {
        element.lang = tree_.elements[element.parent - 1].lang;
      }
      element.alt = text_of(dict.dictLookup("Alt"));
      element.actual = text_of(dict.dictLookup("ActualText"));
      read_spans(dict.dictLookup("A"), &element);
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

StructureTree read_structure_tree(PDFDoc& document) {
  StructureTree tree;
  const Object catalog = document.getXRef()->getCatalog();
  if (!catalog.isDict()) return tree;
  const Object root = catalog.dictLookup("StructTreeRoot");
  if (!root.isDict()) return tree;
  TreeReader(document, &tree).read(root);
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
