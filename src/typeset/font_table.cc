// Names are compared in lower case with blanks taken out, by the start of
// the family part: "Arial,Bold", "ArialMT" and "Arial-BoldMT" all begin with
// "arial". Computer Modern names carry their design size ("CMR10", "CMTT9"),
// and Latin Modern has a design of its own for most sizes, so these map by
// the size nearest to it.
#include "typeset/font_table.h"

#include <cstdlib>
#include <span>

namespace lexiweb {
namespace {

enum class Kind { kSerif, kSans, kMono };

// A family with up to four faces: regular, bold, italic, bold italic; an
// empty entry means the family has no such face and the nearest one is used.
struct Family {
  const char* family;  // the CSS family name the pages use
  Kind kind;
  const char* faces[4];
};

constexpr Family kLiberationSerif = {
    "LiberationSerif",
    Kind::kSerif,
    {"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf", "LiberationSerif-Italic.ttf",
     "LiberationSerif-BoldItalic.ttf"}};
constexpr Family kLiberationSans = {"LiberationSans",
                                    Kind::kSans,
                                    {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                     "LiberationSans-Italic.ttf", "LiberationSans-BoldItalic.ttf"}};
constexpr Family kLiberationSansNarrow = {
    "LiberationSansNarrow",
    Kind::kSans,
    {"LiberationSansNarrow-Regular.ttf", "LiberationSansNarrow-Bold.ttf",
     "LiberationSansNarrow-Italic.ttf", "LiberationSansNarrow-BoldItalic.ttf"}};
constexpr Family kLiberationMono = {"LiberationMono",
                                    Kind::kMono,
                                    {"LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf",
                                     "LiberationMono-Italic.ttf", "LiberationMono-BoldItalic.ttf"}};

#define LEXIWEB_TEX_GYRE(name, kind)                                                           \
  {                                                                                            \
    "texgyre" name, kind, {                                                                    \
      "texgyre" name "-regular.otf", "texgyre" name "-bold.otf", "texgyre" name "-italic.otf", \
          "texgyre" name "-bolditalic.otf"                                                     \
    }                                                                                          \
  }
constexpr Family kPagella = LEXIWEB_TEX_GYRE("pagella", Kind::kSerif);
constexpr Family kBonum = LEXIWEB_TEX_GYRE("bonum", Kind::kSerif);
constexpr Family kSchola = LEXIWEB_TEX_GYRE("schola", Kind::kSerif);
constexpr Family kAdventor = LEXIWEB_TEX_GYRE("adventor", Kind::kSans);
constexpr Family kTermes = LEXIWEB_TEX_GYRE("termes", Kind::kSerif);
constexpr Family kHeros = LEXIWEB_TEX_GYRE("heros", Kind::kSans);
constexpr Family kCursor = LEXIWEB_TEX_GYRE("cursor", Kind::kMono);
#undef LEXIWEB_TEX_GYRE
constexpr Family kChorus = {
    "texgyrechorus", Kind::kSerif, {"", "", "texgyrechorus-mediumitalic.otf", ""}};

constexpr Family kDejaVuSans = {"DejaVuSans",
                                Kind::kSans,
                                {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
                                 "DejaVuSans-BoldOblique.ttf"}};
constexpr Family kDejaVuSerif = {"DejaVuSerif",
                                 Kind::kSerif,
                                 {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf",
                                  "DejaVuSerif-Italic.ttf", "DejaVuSerif-BoldItalic.ttf"}};
constexpr Family kDejaVuSansMono = {
    "DejaVuSansMono",
    Kind::kMono,
    {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf",
     "DejaVuSansMono-BoldOblique.ttf"}};
constexpr Family kInconsolata = {"Inconsolata", Kind::kMono, {"Inconsolata.otf", "", "", ""}};

// Metric-compatible with Microsoft's Calibri and Cambria, the faces of
// current office documents.
constexpr Family kCarlito = {
    "Carlito",
    Kind::kSans,
    {"Carlito-Regular.ttf", "Carlito-Bold.ttf", "Carlito-Italic.ttf", "Carlito-BoldItalic.ttf"}};
constexpr Family kCaladea = {
    "Caladea",
    Kind::kSerif,
    {"Caladea-Regular.ttf", "Caladea-Bold.ttf", "Caladea-Italic.ttf", "Caladea-BoldItalic.ttf"}};

// Chinese, Japanese and Korean: VL Gothic for the Japanese gothics it was
// made after (fixed and proportional), Noto CJK for the rest. A collection
// of Noto CJK holds a face per language, all with every character; the
// first is the Japanese one.
constexpr Family kVLGothic = {"VLGothic", Kind::kSans, {"VL-Gothic-Regular.ttf", "", "", ""}};
constexpr Family kVLPGothic = {"VLPGothic", Kind::kSans, {"VL-PGothic-Regular.ttf", "", "", ""}};
constexpr Family kNotoSansCJK = {
    "NotoSansCJK", Kind::kSans, {"NotoSansCJK-Regular.ttc", "NotoSansCJK-Bold.ttc", "", ""}};
constexpr Family kNotoSerifCJK = {
    "NotoSerifCJK", Kind::kSerif, {"NotoSerifCJK-Regular.ttc", "NotoSerifCJK-Bold.ttc", "", ""}};

// Mathematical symbols: TeX's symbol and extension fonts, and what the
// other faces lack.
constexpr Family kLatinModernMath = {
    "LatinModernMath", Kind::kSerif, {"latinmodern-math.otf", "", "", ""}};

// Family names by the start of the lower-case name, the longer names of
// one start first.
struct NamedFamily {
  const char* start;
  const Family* family;
};

constexpr NamedFamily kNamedFamilies[] = {
    {"liberationserif", &kLiberationSerif},
    {"liberationsansnarrow", &kLiberationSansNarrow},
    {"liberationsans", &kLiberationSans},
    {"liberationmono", &kLiberationMono},
    {"timesnewroman", &kLiberationSerif},
    {"times", &kLiberationSerif},
    {"tinos", &kLiberationSerif},
    {"nimbusromno9l", &kLiberationSerif},
    {"nimbusroman", &kLiberationSerif},
    {"arialnarrow", &kLiberationSansNarrow},
    {"arial", &kLiberationSans},
    {"arimo", &kLiberationSans},
    {"helveticanarrow", &kLiberationSansNarrow},
    {"helvetica", &kLiberationSans},
    {"nimbussanlcond", &kLiberationSansNarrow},
    {"nimbussansnarrow", &kLiberationSansNarrow},
    {"nimbussanl", &kLiberationSans},
    {"nimbussans", &kLiberationSans},
    {"couriernew", &kLiberationMono},
    {"courier", &kLiberationMono},
    {"cousine", &kLiberationMono},
    {"nimbusmonl", &kLiberationMono},
    {"nimbusmono", &kLiberationMono},
    {"palatino", &kPagella},
    {"urwpalladio", &kPagella},
    {"p052", &kPagella},
    {"bookman", &kBonum},
    {"urwbookman", &kBonum},
    {"newcenturyschlbk", &kSchola},
    {"centuryschoolbook", &kSchola},
    {"c059", &kSchola},
    {"avantgarde", &kAdventor},
    {"itcavantgarde", &kAdventor},
    {"urwgothic", &kAdventor},
    {"zapfchancery", &kChorus},
    {"urwchancery", &kChorus},
    {"z003", &kChorus},
    {"texgyrepagella", &kPagella},
    {"texgyrebonum", &kBonum},
    {"texgyreschola", &kSchola},
    {"texgyreadventor", &kAdventor},
    {"texgyretermes", &kTermes},
    {"texgyreheros", &kHeros},
    {"texgyrecursor", &kCursor},
    {"texgyrechorus", &kChorus},
    {"dejavusansmono", &kDejaVuSansMono},
    {"dejavusans", &kDejaVuSans},
    {"dejavuserif", &kDejaVuSerif},
    {"inconsolata", &kInconsolata},
    {"carlito", &kCarlito},
    {"calibri", &kCarlito},
    {"caladea", &kCaladea},
    {"cambriamath", &kLatinModernMath},
    {"cambria", &kCaladea},
    // Symbol's Greek and mathematical signs, and the dingbats.
    {"symbol", &kDejaVuSerif},
    {"standardsym", &kDejaVuSerif},
    {"zapfdingbats", &kDejaVuSans},
    {"dingbats", &kDejaVuSans},
    {"d050000l", &kDejaVuSans},
    {"latinmodernmath", &kLatinModernMath},
};

// Names of Chinese, Japanese and Korean faces, compared with their hyphens
// and underscores taken out as well ("MS-PGothic", "VL-Gothic-Regular").
constexpr NamedFamily kCjkFamilies[] = {
    {"mspgothic", &kVLPGothic},         {"msuigothic", &kVLPGothic},
    {"msgothic", &kVLGothic},           {"ipapgothic", &kVLPGothic},
    {"ipaexgothic", &kVLPGothic},       {"ipagothic", &kVLGothic},
    {"takaopgothic", &kVLPGothic},      {"takaogothic", &kVLGothic},
    {"vlpgothic", &kVLPGothic},         {"vlgothic", &kVLGothic},
    {"yugothic", &kNotoSansCJK},        {"hiraginokaku", &kNotoSansCJK},
    {"hiraginosans", &kNotoSansCJK},    {"kozgo", &kNotoSansCJK},
    {"heiseikakugo", &kNotoSansCJK},    {"gothicbbb", &kNotoSansCJK},
    {"meiryo", &kNotoSansCJK},          {"notosanscjk", &kNotoSansCJK},
    {"notosansjp", &kNotoSansCJK},      {"notosanskr", &kNotoSansCJK},
    {"notosanssc", &kNotoSansCJK},      {"notosanstc", &kNotoSansCJK},
    {"sourcehansans", &kNotoSansCJK},   {"simhei", &kNotoSansCJK},
    {"microsoftyahei", &kNotoSansCJK},  {"microsoftjhenghei", &kNotoSansCJK},
    {"stheiti", &kNotoSansCJK},         {"heiti", &kNotoSansCJK},
    {"wenquanyi", &kNotoSansCJK},       {"gulim", &kNotoSansCJK},
    {"dotum", &kNotoSansCJK},           {"malgungothic", &kNotoSansCJK},
    {"nanumgothic", &kNotoSansCJK},     {"undotum", &kNotoSansCJK},
    {"hygothic", &kNotoSansCJK},        {"msmincho", &kNotoSerifCJK},
    {"mspmincho", &kNotoSerifCJK},      {"ipamincho", &kNotoSerifCJK},
    {"ipapmincho", &kNotoSerifCJK},     {"ipaexmincho", &kNotoSerifCJK},
    {"takaomincho", &kNotoSerifCJK},    {"takaopmincho", &kNotoSerifCJK},
    {"yumincho", &kNotoSerifCJK},       {"hiraginomincho", &kNotoSerifCJK},
    {"hiraginoserif", &kNotoSerifCJK},  {"kozmin", &kNotoSerifCJK},
    {"heiseimin", &kNotoSerifCJK},      {"ryumin", &kNotoSerifCJK},
    {"notoserifcjk", &kNotoSerifCJK},   {"notoserifjp", &kNotoSerifCJK},
    {"sourcehanserif", &kNotoSerifCJK}, {"simsun", &kNotoSerifCJK},
    {"nsimsun", &kNotoSerifCJK},        {"songti", &kNotoSerifCJK},
    {"stsong", &kNotoSerifCJK},         {"adobesong", &kNotoSerifCJK},
    {"adobeming", &kNotoSerifCJK},      {"adobemyungjo", &kNotoSerifCJK},
    {"mingliu", &kNotoSerifCJK},        {"pmingliu", &kNotoSerifCJK},
    {"batang", &kNotoSerifCJK},         {"gungsuh", &kNotoSerifCJK},
    {"nanummyeongjo", &kNotoSerifCJK},  {"unbatang", &kNotoSerifCJK},
    {"hysmyeongjo", &kNotoSerifCJK},    {"fangsong", &kNotoSerifCJK},
    {"kaiti", &kNotoSerifCJK},          {"stkaiti", &kNotoSerifCJK},
};

// TeX's fonts of mathematical symbols, by the letters before their size:
// symbols, extensible delimiters, the AMS symbols and the alphabets of
// formulas. Math italic (cmmi) is set in the text italic instead, which is
// close in width, and takes its Greek from the fallbacks.
constexpr const char* kTexMathFonts[] = {"cmsy", "cmbsy", "cmex", "msam", "msbm",   "eufm",
                                         "eufb", "rsfs",  "lasy", "wasy", "stmary", "cmmib"};

// What draws the characters that a face lacks, by the kind of face: DejaVu
// for most scripts and signs, Latin Modern Math for the rest of the
// mathematical ones, Noto CJK for Chinese, Japanese and Korean.
constexpr const Family* kSerifFallbacks[] = {&kDejaVuSerif, &kDejaVuSans, &kLatinModernMath,
                                             &kNotoSerifCJK};
constexpr const Family* kSansFallbacks[] = {&kDejaVuSans, &kLatinModernMath, &kNotoSansCJK};
constexpr const Family* kMonoFallbacks[] = {&kDejaVuSansMono, &kDejaVuSans, &kLatinModernMath,
                                            &kNotoSansCJK};

// A Latin Modern design: the file stem before the size ("lmroman"), the
// sizes it is drawn at, the face after the size, and what it is.
struct ModernDesign {
  const char* stem;
  std::span<const int> sizes;
  const char* face;  // "regular", "bold", "italic", ...
  Kind kind;
  bool bold;
  bool italic;
};

constexpr int kRomanSizes[] = {5, 6, 7, 8, 9, 10, 12, 17};
constexpr int kRomanBoldSizes[] = {5, 6, 7, 8, 9, 10, 12};
constexpr int kRomanItalicSizes[] = {7, 8, 9, 10, 12};
constexpr int kSlantSizes[] = {8, 9, 10, 12, 17};
constexpr int kMonoSizes[] = {8, 9, 10, 12};
constexpr int kSansSizes[] = {8, 9, 10, 12, 17};
constexpr int kTenOnly[] = {10};

// Computer Modern names (lower case, without their size) and their Latin
// Modern designs, the longer names of one start first. Math italic takes
// the text italic, which is close in width.
struct ModernName {
  const char* name;
  ModernDesign design;
};

constexpr ModernName kModernNames[] = {
    {"cmr", {"lmroman", kRomanSizes, "regular", Kind::kSerif, false, false}},
    {"cmbxti", {"lmroman", kTenOnly, "bolditalic", Kind::kSerif, true, true}},
    {"cmbxsl", {"lmromanslant", kTenOnly, "bold", Kind::kSerif, true, true}},
    {"cmbx", {"lmroman", kRomanBoldSizes, "bold", Kind::kSerif, true, false}},
    {"cmb", {"lmromandemi", kTenOnly, "regular", Kind::kSerif, true, false}},
    {"cmti", {"lmroman", kRomanItalicSizes, "italic", Kind::kSerif, false, true}},
    {"cmmi", {"lmroman", kRomanItalicSizes, "italic", Kind::kSerif, false, true}},
    {"cmsltt", {"lmmonoslant", kTenOnly, "regular", Kind::kMono, false, true}},
    {"cmsl", {"lmromanslant", kSlantSizes, "regular", Kind::kSerif, false, true}},
    {"cmcsc", {"lmromancaps", kTenOnly, "regular", Kind::kSerif, false, false}},
    {"cmitt", {"lmmono", kTenOnly, "italic", Kind::kMono, false, true}},
    {"cmtt", {"lmmono", kMonoSizes, "regular", Kind::kMono, false, false}},
    {"cmssbx", {"lmsans", kTenOnly, "bold", Kind::kSans, true, false}},
    {"cmssi", {"lmsans", kSansSizes, "oblique", Kind::kSans, false, true}},
    {"cmss", {"lmsans", kSansSizes, "regular", Kind::kSans, false, false}},
};

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lower_without_blanks(std::string_view text) {
  std::string result;
  for (char c : text) {
    if (c != ' ') result += lower(c);
  }
  return result;
}

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

const char* generic_of(Kind kind) {
  switch (kind) {
    case Kind::kSerif:
      return "serif";
    case Kind::kMono:
      return "monospace";
    case Kind::kSans:
      break;
  }
  return "sans-serif";
}

// The design size nearest to `size`; the larger one when two are as near.
int nearest_size(std::span<const int> sizes, int size) {
  int best = sizes.front();
  for (int candidate : sizes) {
    if (std::abs(candidate - size) <= std::abs(best - size)) best = candidate;
  }
  return best;
}

// The Latin Modern face of a Computer Modern name such as "cmbx12", or an
// empty family when `name` is none.
FontFace modern_face(std::string_view name) {
  size_t digits = name.size();
  while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') --digits;
  const std::string_view letters = name.substr(0, digits);
  const std::string_view size_digits = name.substr(digits);
  if (size_digits.empty() || size_digits.size() > 2) return {};
  const int size = std::atoi(std::string(size_digits).c_str());
  for (const ModernName& entry : kModernNames) {
    if (letters != entry.name) continue;
    const ModernDesign& design = entry.design;
    const std::string family =
        std::string(design.stem) + std::to_string(nearest_size(design.sizes, size));
    return {family, family + "-" + design.face + ".otf", design.bold, design.italic,
            generic_of(design.kind)};
  }
  return {};
}

// The face of `family` nearest to the weight and slant asked for: slant
// goes before weight, since it changes the letters' widths more.
FontFace family_face(const Family& family, bool bold, bool italic) {
  const int wanted = (bold ? 1 : 0) + (italic ? 2 : 0);
  const int order[4][4] = {{0, 1, 2, 3}, {1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0}};
  for (int index : order[wanted]) {
    if (*family.faces[index] != '\0') {
      return {family.family, family.faces[index], (index & 1) != 0, (index & 2) != 0,
              generic_of(family.kind)};
    }
  }
  return {};
}

std::string without_hyphens(std::string_view text) {
  std::string result;
  for (char c : text) {
    if (c != '-' && c != '_') result += c;
  }
  return result;
}

// True for "cmsy10", "msam7" and the like.
bool is_tex_math_font(std::string_view name) {
  while (!name.empty() && name.back() >= '0' && name.back() <= '9') name.remove_suffix(1);
  for (const char* letters : kTexMathFonts) {
    if (name == letters) return true;
  }
  return false;
}

}  // namespace

std::string_view without_subset_prefix(std::string_view name) {
  if (name.size() < 7 || name[6] != '+') return name;
  for (char c : name.substr(0, 6)) {
    if (c < 'A' || c > 'Z') return name;
  }
  return name.substr(7);
}

FontFace free_face(const PdfFont& font) {
  const std::string name = lower_without_blanks(without_subset_prefix(font.name));
  const std::string family_part = name.substr(0, name.find_first_of("-,"));
  const std::string_view style_part = std::string_view(name).substr(family_part.size());

  if (is_tex_math_font(family_part)) return family_face(kLatinModernMath, false, false);
  if (FontFace face = modern_face(family_part); !face.family.empty()) return face;

  // The style part of the name, or of the whole name when the family part
  // carries it ("ArialBold", "TimesNewRomanPS-BoldItalicMT").
  const bool bold = font.bold || contains(style_part, "bold") || contains(style_part, "black") ||
                    contains(style_part, "heavy") || contains(style_part, "demi") ||
                    contains(style_part, "medi") || contains(family_part, "bold");
  const bool italic = font.italic || contains(style_part, "ital") || contains(style_part, "obli") ||
                      contains(family_part, "italic") || contains(family_part, "oblique");
  for (const NamedFamily& entry : kNamedFamilies) {
    if (family_part.starts_with(entry.start)) return family_face(*entry.family, bold, italic);
  }
  const std::string compact = without_hyphens(name.substr(0, name.find(',')));
  for (const NamedFamily& entry : kCjkFamilies) {
    if (compact.starts_with(entry.start)) return family_face(*entry.family, bold, italic);
  }
  FontFace generic;
  generic.bold = bold;
  generic.italic = italic;
  generic.generic = font.fixed_pitch ? "monospace" : font.serif ? "serif" : "sans-serif";
  return generic;
}

std::vector<FontFace> fallback_faces(const FontFace& face) {
  std::span<const Family* const> chain = kSansFallbacks;
  if (face.generic == "serif") chain = kSerifFallbacks;
  if (face.generic == "monospace") chain = kMonoFallbacks;
  std::vector<FontFace> faces;
  for (const Family* family : chain) {
    if (face.family != family->family)
      faces.push_back(family_face(*family, face.bold, face.italic));
  }
  return faces;
}

}  // namespace lexiweb
