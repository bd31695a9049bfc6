// pdftohtml writes one class per font, size and colour as a line
// ".ftNN{font-size:15px;font-family:NAME;color:#000000;}" of the style
// element, and each fragment as a p tag naming its class; bold and italic
// text it wraps in b and i elements. Family names here are plain CSS
// identifiers, so nothing in the style needs quotes.
#include "typeset/page_fonts.h"

#include <map>
#include <optional>
#include <set>
#include <string_view>

#include "typeset/face_match.h"
#include "typeset/markup_text.h"
#include "typeset/symbol_characters.h"

namespace lexiweb {
namespace {

constexpr std::string_view kFamilyKey = "font-family:";

PdfFont with_style(PdfFont font, bool bold, bool italic) {
  font.bold = font.bold || bold;
  font.italic = font.italic || italic;
  return font;
}

std::string font_face_rule(const FontFace& face) {
  std::string rule =
      "@font-face{font-family:" + face.family + ";src:url(" + FaceShelf::address(face) + ")";
  if (face.bold) rule += ";font-weight:bold";
  if (face.italic) rule += ";font-style:italic";
  return rule + "}\n";
}

// A class of the page's style: its font, and the faces its fragments'
// characters went to, each once, in the order first needed.
struct PageClass {
  PdfFont font;
  bool used = false;
  std::vector<FontFace> faces;
  std::vector<std::string> fallback_families;
};

// Reads the fragments of `page` once for two jobs: the fragments whose
// classes are set in Symbol or Wingdings get their private use characters
// replaced by the characters they stand for, and the characters of every
// fragment, as it then reads, go to `text` by class and style.
void read_fragments(ConvertedPage& page, const std::map<std::string, PageClass>& classes,
                    std::map<std::string, std::u32string[4]>& text) {
  for (PageFragment& fragment : page.fragments) {
    if (fragment.class_name.empty()) continue;
    const std::string_view content = content_of(page, fragment);
    const auto found = classes.find(fragment.class_name);
    const SymbolFont font =
        found == classes.end() ? SymbolFont::kNone : symbol_font_of(found->second.font.name);
    if (font == SymbolFont::kNone) {
      add_styled_characters(content, text[fragment.class_name]);
      continue;
    }
    std::string symbols = with_symbol_characters(content, font);
    add_styled_characters(symbols, text[fragment.class_name]);
    fragment.content = std::move(symbols);
    fragment.rewritten = true;
  }
}

void note_face(std::vector<FontFace>& faces, const FontFace& face) {
  for (const FontFace& known : faces) {
    if (known.file == face.file) return;
  }
  faces.push_back(face);
}

// Sends each character of `text` (in `face`'s style) to the face that draws it.
void place_characters(const std::u32string& text, const FontFace& face, PageClass& use,
                      FaceShelf& shelf) {
  if (text.empty()) return;
  use.used = true;
  const std::vector<FontFace> fallbacks = fallback_faces(face);
  for (char32_t character : text) {
    if (character < 0x20) continue;
    if (shelf.draws(face, character)) {
      shelf.add(face, character);
      note_face(use.faces, face);
      continue;
    }
    for (const FontFace& fallback : fallbacks) {
      if (!shelf.draws(fallback, character)) continue;
      shelf.add(fallback, character);
      note_face(use.faces, fallback);
      bool listed = false;
      for (const std::string& family : use.fallback_families) listed |= family == fallback.family;
      if (!listed) use.fallback_families.push_back(fallback.family);
      break;
    }
  }
}

// The families of a class: its face when a character went to it, the
// fallbacks in their order, the generic family.
// Whether a class's families start with its own face: when a character went
// to it, or when it has none.
bool leads_with_own_face(const PageClass& use, const FontFace& face) {
  bool own_face = !use.used && !face.family.empty();
  for (const FontFace& used : use.faces) own_face |= used.family == face.family;
  return own_face;
}

std::string family_list(const PageClass& use, const FontFace& face) {
  std::string families;
  if (leads_with_own_face(use, face)) families = face.family + ",";
  for (const FontFace& fallback : fallback_faces(face)) {
    for (const std::string& family : use.fallback_families) {
      if (family == fallback.family) families += family + ",";
    }
  }
  return families + face.generic;
}

// The face of the first of family_list's families.
std::optional<FontFace> leading_face(const PageClass& use, const FontFace& face) {
  if (leads_with_own_face(use, face)) return face;
  for (const FontFace& fallback : fallback_faces(face)) {
    for (const std::string& family : use.fallback_families) {
      if (family == fallback.family) return fallback;
    }
  }
  return std::nullopt;
}

}  // namespace

PdfFont font_named(const std::string& converter_name, const std::vector<PdfFont>& fonts) {
  const PdfFont* match = nullptr;
  for (const PdfFont& font : fonts) {
    const std::string_view name(font.name);
    if (!name.starts_with(converter_name)) continue;
    if (name.size() > converter_name.size() && name[converter_name.size()] != '-' &&
        name[converter_name.size()] != ',') {
      continue;
    }
    if (name.size() == converter_name.size()) return font;
    if (match != nullptr) return PdfFont{converter_name};  // several: the name decides
    match = &font;
  }
  return match != nullptr ? *match : PdfFont{converter_name};
}

std::map<std::string, FontFace> set_page_fonts(ConvertedPage& page,
                                               const std::vector<PdfFont>& fonts,
                                               FaceShelf& shelf) {
  std::map<std::string, FontFace> leading_faces;
  std::string& page_html = page.head;
  const size_t style_start = page_html.find("<style");
  const size_t style_end =
      style_start == std::string::npos ? style_start : page_html.find("</style>", style_start);
  if (style_end == std::string::npos) return leading_faces;

  // The classes of the style, by name, with their fonts.
  std::map<std::string, PageClass> classes;
  struct FamilyField {
    size_t start;  // of the name, after "font-family:"
    size_t end;    // at the ";" or "}" after it
    std::string class_name;
  };
  std::vector<FamilyField> fields;
  for (size_t at = page_html.find(kFamilyKey, style_start); at < style_end;
       at = page_html.find(kFamilyKey, at + 1)) {
    // The class rule around it: ".ftNN{" before it, on its line.
    const size_t line_start = page_html.rfind('\n', at) + 1;
    const size_t dot = page_html.rfind('.', at);
    const size_t brace = dot == std::string::npos ? dot : page_html.find('{', dot);
    if (dot == std::string::npos || dot < line_start || brace >= at) continue;
    const size_t start = at + kFamilyKey.size();
    const size_t end = page_html.find_first_of(";}", start);
    if (end >= style_end) continue;
    std::string class_name = page_html.substr(dot + 1, brace - dot - 1);
    classes[class_name].font = font_named(page_html.substr(start, end - start), fonts);
    fields.push_back({start, end, std::move(class_name)});
  }
  std::map<std::string, std::u32string[4]> text;
  read_fragments(page, classes, text);

  // The faces the page's text is set in, each rule once, in the order first needed.
  std::string rules;
  std::set<std::string> ruled;
  std::string result;
  size_t copied = 0;
  for (const FamilyField& field : fields) {
    PageClass& use = classes[field.class_name];
    const FontFace face = matched_face(use.font, shelf);
    if (auto found = text.find(field.class_name); found != text.end() && !use.used) {
      for (int style = 0; style < 4; ++style) {
        place_characters(found->second[style],
                         matched_face(with_style(use.font, style & 1, style & 2), shelf), use,
                         shelf);
      }
      for (const FontFace& used : use.faces) {
        if (ruled.insert(used.file).second) rules += font_face_rule(used);
      }
    }
    if (const std::optional<FontFace> leading = leading_face(use, face)) {
      leading_faces[field.class_name] = *leading;
    }
    result.append(page_html, copied, field.start - copied);
    result += family_list(use, face);
    if (face.bold) result += ";font-weight:bold";
    if (face.italic) result += ";font-style:italic";
    copied = field.end;
  }
  result.append(page_html, copied, std::string::npos);

  // The rules go first in the style, after its comment opener when it has one.
  const size_t style_tag_end = result.find('>', style_start) + 1;
  size_t rules_at = style_tag_end;
  if (result.compare(rules_at, 1, "\n") == 0) ++rules_at;
  if (result.compare(rules_at, 5, "<!--\n") == 0) rules_at += 5;
  result.insert(rules_at, rules);
  page_html = std::move(result);
  return leading_faces;
}

}  // namespace lexiweb
