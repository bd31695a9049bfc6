// Names are compared in lower case with blanks taken out, by the start of
// the family part: "Arial,Bold", "ArialMT" and "Arial-BoldMT" all begin with
// "arial". Computer Modern names carry their design size ("CMR10", "CMTT9"),
// and Latin Modern has a design of its own for most sizes, so these map by
// the size nearest to it.
#include "typeset/font_table.h"

#include <cstdlib>
#include <span>
#include <string_view>

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

// Computer Modern Unicode: Knuth's designs with Cyrillic and Greek added,
// the faces of PDFs that name them and what Latin Modern lacks for the
// Computer Modern families.
constexpr Family kCmuSerif = {
    "CMUSerif", Kind::kSerif, {"cmunrm.ttf", "cmunbx.ttf", "cmunti.ttf", "cmunbi.ttf"}};
constexpr Family kCmuSans = {
    "CMUSansSerif", Kind::kSans, {"cmunss.ttf", "cmunsx.ttf", "cmunsi.ttf", "cmunso.ttf"}};
constexpr Family kCmuTypewriter = {
    "CMUTypewriter", Kind::kMono, {"cmuntt.ttf", "cmuntb.ttf", "cmunit.ttf", "cmuntx.ttf"}};
constexpr Family kCmuBright = {
    "CMUBright", Kind::kSans, {"cmunbmr.ttf", "cmunbbx.ttf", "cmunbmo.ttf", "cmunbxo.ttf"}};
constexpr Family kCmuConcrete = {
    "CMUConcrete", Kind::kSerif, {"cmunorm.ttf", "cmunobx.ttf", "cmunoti.ttf", "cmunobi.ttf"}};

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

// Thai: the faces of the Thai Linux working group, Norasi the free
// Thai face most PDFs made on free systems use.
constexpr Family kNorasi = {
    "Norasi",
    Kind::kSerif,
    {"Norasi.ttf", "Norasi-Bold.ttf", "Norasi-Italic.ttf", "Norasi-BoldItalic.ttf"}};
constexpr Family kLoma = {
    "Loma", Kind::kSans, {"Loma.ttf", "Loma-Bold.ttf", "Loma-Oblique.ttf", "Loma-BoldOblique.ttf"}};
constexpr Family kTlwgMono = {
    "TlwgMono",
    Kind::kMono,
    {"TlwgMono.ttf", "TlwgMono-Bold.ttf", "TlwgMono-Oblique.ttf", "TlwgMono-BoldOblique.ttf"}};

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
    {"norasi", &kNorasi},
    {"kinnari", &kNorasi},
    {"loma", &kLoma},
    {"garuda", &kLoma},
    {"tlwgmono", &kTlwgMono},
    {"tlwgtypewriter", &kTlwgMono},
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
    {"cmuserif", &kCmuSerif},
    {"cmuclassicalserif", &kCmuSerif},
    {"cmusansserif", &kCmuSans},
    {"cmutypewriter", &kCmuTypewriter},
    {"cmubright", &kCmuBright},
    {"cmuconcrete", &kCmuConcrete},
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
constexpr const char* kTexMathFonts[] = {"cmsy",          "cmbsy",
                                         "cmex",          "msam",
                                         "msbm",          "eufm",
                                         "eufb",          "rsfs",
                                         "lasy",          "wasy",
                                         "stmary",        "cmmib",
                                         "lmmathsymbols", "lmmathextension",
                                         "plmathsymbols", "plmathextension"};

// What draws the characters that a face lacks, by the kind of face: DejaVu
// for most scripts and signs, Latin Modern Math for the rest of the
// mathematical ones, the Thai faces for Thai, Noto CJK for Chinese,
// Japanese and Korean.
constexpr const Family* kSerifFallbacks[] = {&kDejaVuSerif, &kDejaVuSans, &kLatinModernMath,
                                             &kNorasi, &kNotoSerifCJK};
constexpr const Family* kSansFallbacks[] = {&kDejaVuSans, &kLatinModernMath, &kLoma, &kNotoSansCJK};
constexpr const Family* kMonoFallbacks[] = {&kDejaVuSansMono, &kDejaVuSans, &kLatinModernMath,
                                            &kTlwgMono, &kNotoSansCJK};

// The faces of Latin Modern as fonts-lmodern installs them: file stem,
// design size, face.
constexpr const char* kModernFiles[] = {
    "lmmono10-italic",
    "lmmono10-regular",
    "lmmono12-regular",
    "lmmono8-regular",
    "lmmono9-regular",
    "lmmonocaps10-oblique",
    "lmmonocaps10-regular",
    "lmmonolt10-bold",
    "lmmonolt10-boldoblique",
    "lmmonolt10-oblique",
    "lmmonolt10-regular",
    "lmmonoltcond10-oblique",
    "lmmonoltcond10-regular",
    "lmmonoprop10-oblique",
    "lmmonoprop10-regular",
    "lmmonoproplt10-bold",
    "lmmonoproplt10-boldoblique",
    "lmmonoproplt10-oblique",
    "lmmonoproplt10-regular",
    "lmmonoslant10-regular",
    "lmroman10-bold",
    "lmroman10-bolditalic",
    "lmroman10-italic",
    "lmroman10-regular",
    "lmroman12-bold",
    "lmroman12-italic",
    "lmroman12-regular",
    "lmroman17-regular",
    "lmroman5-bold",
    "lmroman5-regular",
    "lmroman6-bold",
    "lmroman6-regular",
    "lmroman7-bold",
    "lmroman7-italic",
    "lmroman7-regular",
    "lmroman8-bold",
    "lmroman8-italic",
    "lmroman8-regular",
    "lmroman9-bold",
    "lmroman9-italic",
    "lmroman9-regular",
    "lmromancaps10-oblique",
    "lmromancaps10-regular",
    "lmromandemi10-oblique",
    "lmromandemi10-regular",
    "lmromandunh10-oblique",
    "lmromandunh10-regular",
    "lmromanslant10-bold",
    "lmromanslant10-regular",
    "lmromanslant12-regular",
    "lmromanslant17-regular",
    "lmromanslant8-regular",
    "lmromanslant9-regular",
    "lmromanunsl10-regular",
    "lmsans10-bold",
    "lmsans10-boldoblique",
    "lmsans10-oblique",
    "lmsans10-regular",
    "lmsans12-oblique",
    "lmsans12-regular",
    "lmsans17-oblique",
    "lmsans17-regular",
    "lmsans8-oblique",
    "lmsans8-regular",
    "lmsans9-oblique",
    "lmsans9-regular",
    "lmsansdemicond10-oblique",
    "lmsansdemicond10-regular",
    "lmsansquot8-bold",
    "lmsansquot8-boldoblique",
    "lmsansquot8-oblique",
    "lmsansquot8-regular",
};

// The families a font that no name tells of may take, by kind, the one
// whose letters are as wide as the font's; Latin Modern joins them.
constexpr const Family* kSerifFamilies[] = {&kLiberationSerif, &kPagella, &kSchola,
                                            &kBonum,           &kCaladea, &kDejaVuSerif};
constexpr const Family* kSansFamilies[] = {&kLiberationSans, &kLiberationSansNarrow, &kCarlito,
                                           &kAdventor, &kDejaVuSans};
constexpr const Family* kMonoFamilies[] = {&kLiberationMono, &kDejaVuSansMono, &kInconsolata};

// A Latin Modern design: what its letters are, and whether all its faces
// are bold or slanted.
struct ModernStem {
  const char* stem;
  Kind kind;
  bool bold;
  bool slanted;
};

constexpr ModernStem kModernStems[] = {
    {"lmroman", Kind::kSerif, false, false},     {"lmromanslant", Kind::kSerif, false, true},
    {"lmromancaps", Kind::kSerif, false, false}, {"lmromandemi", Kind::kSerif, true, false},
    {"lmromandunh", Kind::kSerif, false, false}, {"lmromanunsl", Kind::kSerif, false, false},
    {"lmsans", Kind::kSans, false, false},       {"lmsansdemicond", Kind::kSans, true, false},
    {"lmsansquot", Kind::kSans, false, false},   {"lmmono", Kind::kMono, false, false},
    {"lmmonoslant", Kind::kMono, false, true},   {"lmmonocaps", Kind::kMono, false, false},
    {"lmmonolt", Kind::kMono, false, false},     {"lmmonoltcond", Kind::kMono, false, false},
    {"lmmonoprop", Kind::kMono, false, false},   {"lmmonoproplt", Kind::kMono, false, false},
};

// The Computer Modern names (lower case, without their size) of TeX's
// fonts and of Latin Modern's own Type 1 names, the Latin Modern design
// that draws each and the face of it. Math italic takes the text italic,
// which is close in width.
struct ModernName {
  const char* name;
  const char* stem;
  bool bold;
  bool italic;
};

constexpr ModernName kModernNames[] = {
    {"cmr", "lmroman", false, false},         {"cmbx", "lmroman", true, false},
    {"cmb", "lmromandemi", false, false},     {"cmti", "lmroman", false, true},
    {"cmmi", "lmroman", false, true},         {"cmbxti", "lmroman", true, true},
    {"cmsl", "lmromanslant", false, false},   {"cmbxsl", "lmromanslant", true, false},
    {"cmcsc", "lmromancaps", false, false},   {"cmu", "lmromanunsl", false, false},
    {"cmdunh", "lmromandunh", false, false},  {"cmtt", "lmmono", false, false},
    {"cmitt", "lmmono", false, true},         {"cmsltt", "lmmonoslant", false, false},
    {"cmtcsc", "lmmonocaps", false, false},   {"cmvtt", "lmmonoprop", false, false},
    {"cmss", "lmsans", false, false},         {"cmssi", "lmsans", false, true},
    {"cmssbx", "lmsans", true, false},        {"cmssdc", "lmsansdemicond", false, false},
    {"cmssq", "lmsansquot", false, false},    {"cmssqi", "lmsansquot", false, true},
    {"lmmathitalic", "lmroman", false, true}, {"plmathitalic", "lmroman", false, true},
};

// The European Computer Modern fonts (ecrm1000) and their Type 1 versions
// cm-super (SFRM1000) name their designs by two letters after the prefix;
// the size is in hundredths of a point.
constexpr ModernName kEuropeanNames[] = {
    {"rm", "lmroman", false, false},     {"bx", "lmroman", true, false},
    {"rb", "lmromandemi", false, false}, {"ti", "lmroman", false, true},
    {"bi", "lmroman", true, true},       {"sl", "lmromanslant", false, false},
    {"bl", "lmromanslant", true, false}, {"cc", "lmromancaps", false, false},
    {"xc", "lmromancaps", true, false},  {"ui", "lmromanunsl", false, false},
    {"dh", "lmromandunh", false, false}, {"ss", "lmsans", false, false},
    {"sx", "lmsans", true, false},       {"si", "lmsans", false, true},
    {"so", "lmsans", true, true},        {"tt", "lmmono", false, false},
    {"it", "lmmono", false, true},       {"st", "lmmonoslant", false, false},
    {"tc", "lmmonocaps", false, false},  {"vt", "lmmonoprop", false, false},
};

// Latin Modern's own Type 1 names for the typewriter designs.
struct ModernAlias {
  const char* name;
  const char* stem;
};

constexpr ModernAlias kModernAliases[] = {
    {"lmtypewriter", "lmmono"},
    {"lmtypewriterslant", "lmmonoslant"},
    {"lmtypewritercaps", "lmmonocaps"},
    {"lmtypewritervarwd", "lmmonoprop"},
    {"lmtypewriterlight", "lmmonolt"},
    {"lmtypewriterlightcondensed", "lmmonoltcond"},
    {"lmtypewritervarwdlight", "lmmonoproplt"},
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

// The face of the Latin Modern design `stem` nearest to the weight, slant
// and size asked for: slant first, then weight, then the size, the larger
// one when two are as near.
FontFace modern_design(const ModernStem& stem, bool bold, bool italic, double size) {
  std::string_view best;
  double best_distance = 0;
  int best_misses = 0;
  for (std::string_view file : kModernFiles) {
    if (!file.starts_with(stem.stem)) continue;
    const std::string_view rest = file.substr(std::string_view(stem.stem).size());
    if (rest.empty() || rest[0] < '0' || rest[0] > '9') continue;
    const std::string_view face = rest.substr(rest.find('-') + 1);
    const bool face_italic = contains(face, "italic") || contains(face, "oblique");
    const int misses = (face_italic != italic ? 2 : 0) + (contains(face, "bold") != bold ? 1 : 0);
    const double distance = std::abs(std::atoi(std::string(rest).c_str()) - size);
    if (best.empty() || misses < best_misses ||
        (misses == best_misses && distance <= best_distance)) {
      best = file;
      best_misses = misses;
      best_distance = distance;
    }
  }
  const std::string_view face = best.substr(best.find('-') + 1);
  return {std::string(best.substr(0, best.find('-'))), std::string(best) + ".otf",
          stem.bold || contains(face, "bold"),
          stem.slanted || contains(face, "italic") || contains(face, "oblique"),
          generic_of(stem.kind)};
}

const ModernStem* modern_stem(std::string_view name) {
  for (const ModernAlias& alias : kModernAliases) {
    if (name == alias.name) name = alias.stem;
  }
  for (const ModernStem& stem : kModernStems) {
    if (name == stem.stem) return &stem;
  }
  return nullptr;
}

// The Latin Modern face of a Computer Modern, European Computer Modern,
// cm-super or Latin Modern name such as "cmbx12", "sfrm1095" or
// "lmroman10" (whose weight and slant are `bold` and `italic`), or an
// empty family when `name` is none.
FontFace modern_face(std::string_view name, bool bold, bool italic) {
  size_t digits = name.size();
  while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') --digits;
  const std::string_view letters = name.substr(0, digits);
  const std::string_view size_digits = name.substr(digits);
  if (size_digits.empty() || size_digits.size() > 4) return {};
  const int number = std::atoi(std::string(size_digits).c_str());
  if (size_digits.size() == 4) {
    if (letters.size() != 4 || !(letters.starts_with("sf") || letters.starts_with("ec"))) return {};
    for (const ModernName& entry : kEuropeanNames) {
      if (letters.substr(2) == entry.name) {
        return modern_design(*modern_stem(entry.stem), entry.bold, entry.italic, number / 100.0);
      }
    }
    return {};
  }
  if (size_digits.size() > 2) return {};
  if (const ModernStem* stem = modern_stem(letters)) {
    return modern_design(*stem, bold, italic, number);
  }
  for (const ModernName& entry : kModernNames) {
    if (letters == entry.name) {
      return modern_design(*modern_stem(entry.stem), entry.bold, entry.italic, number);
    }
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

// Claudio Beccari's Greek fonts for TeX ("grmn1000", "gttn1000") name
// the family (s sans, t typewriter, else roman), the weight (b, x bold)
// and the shape (i, l, o slanted) before a size in hundredths of a point;
// Computer Modern Unicode has Greek letters of the same design. An empty
// family when `name` is none.
FontFace greek_face(std::string_view name) {
  if (name.size() != 8 || name[0] != 'g') return {};
  for (char c : name.substr(1, 3)) {
    if (c < 'a' || c > 'z') return {};
  }
  for (char c : name.substr(4)) {
    if (c < '0' || c > '9') return {};
  }
  const Family& family = name[1] == 's' ? kCmuSans : name[1] == 't' ? kCmuTypewriter : kCmuSerif;
  return family_face(family, name[2] == 'b' || name[2] == 'x',
                     name[3] == 'i' || name[3] == 'l' || name[3] == 'o');
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

  // The style part of the name, or of the whole name when the family part
  // carries it ("ArialBold", "TimesNewRomanPS-BoldItalicMT").
  const bool bold = font.bold || contains(style_part, "bold") || contains(style_part, "black") ||
                    contains(style_part, "heavy") || contains(style_part, "demi") ||
                    contains(style_part, "medi") || contains(family_part, "bold");
  const bool italic = font.italic || contains(style_part, "ital") || contains(style_part, "obli") ||
                      contains(family_part, "italic") || contains(family_part, "oblique");
  if (FontFace face = modern_face(family_part, bold, italic); !face.family.empty()) return face;
  if (FontFace face = greek_face(family_part); !face.family.empty()) return face;
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

std::vector<FontFace> kind_faces(std::string_view generic, bool bold, bool italic) {
  std::span<const Family* const> families = kSansFamilies;
  if (generic == "serif") families = kSerifFamilies;
  if (generic == "monospace") families = kMonoFamilies;
  std::vector<FontFace> faces;
  for (const Family* family : families) faces.push_back(family_face(*family, bold, italic));
  if (generic != "monospace") {
    // Latin Modern by its design for ten points, the size of most text.
    const ModernStem& stem = *modern_stem(generic == "serif" ? "lmroman" : "lmsans");
    faces.push_back(modern_design(stem, bold, italic, 10));
  } else {
    faces.push_back(modern_design(*modern_stem("lmmono"), bold, italic, 10));
  }
  return faces;
}

std::vector<FontFace> fallback_faces(const FontFace& face) {
  std::span<const Family* const> chain = kSansFallbacks;
  if (face.generic == "serif") chain = kSerifFallbacks;
  if (face.generic == "monospace") chain = kMonoFallbacks;
  std::vector<FontFace> faces;
  // Computer Modern's own Cyrillic and Greek before DejaVu's, which are wider.
  const std::string_view file = face.file;
  if (file.starts_with("cmun") || (file.starts_with("lm") && !file.starts_with("latinmodern"))) {
    const Family* own = face.generic == "serif"       ? &kCmuSerif
                        : face.generic == "monospace" ? &kCmuTypewriter
                                                      : &kCmuSans;
    if (face.family != own->family) faces.push_back(family_face(*own, face.bold, face.italic));
  }
  for (const Family* family : chain) {
    if (face.family != family->family)
      faces.push_back(family_face(*family, face.bold, face.italic));
  }
  return faces;
}

}  // namespace lexiweb
