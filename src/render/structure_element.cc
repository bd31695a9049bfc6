#include "render/structure_element.h"

#include <Object.h>
#include <UTF.h>
#include <goo/GooString.h>
#include <goo/gmem.h>

#include <array>
#include <string_view>

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

}  // namespace

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

DrawnElement element_fields(const Object& dict, const Object& role_map) {
  DrawnElement element;
  const Object role = dict.dictLookup("S");
  element.role = role.isName() ? standard_role(role.getName(), role_map) : "-";
  element.level = heading_level(element.role);
  element.lang = text_of(dict.dictLookup("Lang"));
  element.alt = text_of(dict.dictLookup("Alt"));
  element.actual = text_of(dict.dictLookup("ActualText"));
  read_spans(dict.dictLookup("A"), &element);
  return element;
}

}  // namespace lexiweb
