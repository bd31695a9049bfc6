#include "typeset/font_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

namespace lexiweb {
namespace {

// A PDF font and the face it must get: "family/file", plus "+b", "+i" for
// the face's weight and slant, or "generic" alone when no face is known.
struct Mapping {
  PdfFont font;
  std::string face;
};

void PrintTo(const Mapping& mapping, std::ostream* out) { *out << mapping.font.name; }

std::string described(const FontFace& face) {
  std::string text = face.family.empty() ? face.generic : face.family + "/" + face.file;
  if (face.bold) text += "+b";
  if (face.italic) text += "+i";
  return text;
}

PdfFont named(std::string name) { return {std::move(name)}; }
PdfFont flagged(std::string name, bool bold, bool italic, bool fixed_pitch, bool serif) {
  return {std::move(name), bold, italic, fixed_pitch, serif};
}

const Mapping kMappings[] = {
    // Subset prefixes go; the converter's names drop "-Bold", the flags keep it.
    {named("DQMPNC+LiberationSans"), "LiberationSans/LiberationSans-Regular.ttf"},
    {flagged("EQVMNG+LiberationSans", true, false, false, false),
     "LiberationSans/LiberationSans-Bold.ttf+b"},
    {named("GYNSJC+LiberationMono-Italic"), "LiberationMono/LiberationMono-Italic.ttf+i"},
    {named("Times-Roman"), "LiberationSerif/LiberationSerif-Regular.ttf"},
    {named("Times-BoldItalic"), "LiberationSerif/LiberationSerif-BoldItalic.ttf+b+i"},
    {named("TimesNewRomanPS-BoldMT"), "LiberationSerif/LiberationSerif-Bold.ttf+b"},
    {named("Arial,Italic"), "LiberationSans/LiberationSans-Italic.ttf+i"},
    {named("Helvetica-Oblique"), "LiberationSans/LiberationSans-Italic.ttf+i"},
    {named("ABCDEF+Courier New"), "LiberationMono/LiberationMono-Regular.ttf"},
    // The URW fonts of both generations, and the rest of the base 35.
    {named("NimbusRomNo9L-Medi"), "LiberationSerif/LiberationSerif-Bold.ttf+b"},
    {named("NimbusSanL-ReguItal"), "LiberationSans/LiberationSans-Italic.ttf+i"},
    {named("NimbusMonoPS-Bold"), "LiberationMono/LiberationMono-Bold.ttf+b"},
    {named("URWPalladioL-Roma"), "texgyrepagella/texgyrepagella-regular.otf"},
    {named("C059-Italic"), "texgyreschola/texgyreschola-italic.otf+i"},
    {named("Z003-MediumItalic"), "texgyrechorus/texgyrechorus-mediumitalic.otf+i"},
    // Computer Modern at the nearest Latin Modern design size.
    {named("AWCRRA+CMR10"), "lmroman10/lmroman10-regular.otf"},
    {named("CMR11"), "lmroman12/lmroman12-regular.otf"},
    {named("IFDBDF+CMBX12"), "lmroman12/lmroman12-bold.otf+b"},
    {named("TCCLIA+CMTT10"), "lmmono10/lmmono10-regular.otf"},
    {named("KNHUMI+CMTT9"), "lmmono9/lmmono9-regular.otf"},
    {named("CMTT17"), "lmmono12/lmmono12-regular.otf"},
    {named("OFAGJO+CMSL10"), "lmromanslant10/lmromanslant10-regular.otf+i"},
    {named("FFVXNZ+CMSLTT10"), "lmmonoslant10/lmmonoslant10-regular.otf+i"},
    {named("CMSS8"), "lmsans8/lmsans8-regular.otf"},
    // cm-super and the European Computer Modern fonts, sized in hundredths
    // of a point, and Latin Modern by its own names.
    {named("ARHIYM+SFRM1095"), "lmroman10/lmroman10-regular.otf"},
    {named("SFBX1440"), "lmroman12/lmroman12-bold.otf+b"},
    {named("SFSX1728"), "lmsans10/lmsans10-bold.otf+b"},
    {named("SFTI1200"), "lmroman12/lmroman12-italic.otf+i"},
    {named("ACHDTO+SFTT1000"), "lmmono10/lmmono10-regular.otf"},
    {named("ecss0800"), "lmsans8/lmsans8-regular.otf"},
    {named("SFXX1000"), "sans-serif"},
    {named("JHMZBI+LMRoman10-Regular"), "lmroman10/lmroman10-regular.otf"},
    {named("LMRoman8-Italic"), "lmroman8/lmroman8-italic.otf+i"},
    {named("ENADOX+LMTypewriter10-Regular"), "lmmono10/lmmono10-regular.otf"},
    {named("LMSans17-Oblique"), "lmsans17/lmsans17-oblique.otf+i"},
    {named("ESGPRJ+LMMathSymbols10-Italic"), "LatinModernMath/latinmodern-math.otf"},
    // Computer Modern Unicode, which carries Cyrillic and Greek, for CMU
    // and for the Greek fonts of TeX.
    {named("JLCJSR+CMUSerif-Roman"), "CMUSerif/cmunrm.ttf"},
    {named("CMUTypewriter-BoldItalic"), "CMUTypewriter/cmuntx.ttf+b+i"},
    {named("ANZVZF+CMUSansSerif-Oblique"), "CMUSansSerif/cmunsi.ttf+i"},
    {named("EWSYPW+grmn1000"), "CMUSerif/cmunrm.ttf"},
    {named("grxi1200"), "CMUSerif/cmunbi.ttf+b+i"},
    {named("AXQISL+gttn1000"), "CMUTypewriter/cmuntt.ttf"},
    // Free faces as they come; a missing face gives the nearest one.
    {named("DejaVuSansMono-Bold"), "DejaVuSansMono/DejaVuSansMono-Bold.ttf+b"},
    {flagged("Inconsolata", true, false, true, false), "Inconsolata/Inconsolata.otf"},
    // Office, Chinese, Japanese and Korean faces, and the symbol fonts.
    {named("ABCDEF+Calibri-Bold"), "Carlito/Carlito-Bold.ttf+b"},
    {named("Cambria,Italic"), "Caladea/Caladea-Italic.ttf+i"},
    {named("CambriaMath"), "LatinModernMath/latinmodern-math.otf"},
    {named("MS-PGothic"), "VLPGothic/VL-PGothic-Regular.ttf"},
    {named("MS-Gothic,Bold"), "VLGothic/VL-Gothic-Regular.ttf"},
    {named("MS-Mincho"), "NotoSerifCJK/NotoSerifCJK-Regular.ttc"},
    {named("SimHei,Bold"), "NotoSansCJK/NotoSansCJK-Bold.ttc+b"},
    {named("ABCDEF+Batang"), "NotoSerifCJK/NotoSerifCJK-Regular.ttc"},
    {named("XYZABC+CMSY10"), "LatinModernMath/latinmodern-math.otf"},
    {named("CMEX10"), "LatinModernMath/latinmodern-math.otf"},
    {named("PFOBKL+Norasi-Identity-H"), "Norasi/Norasi.ttf"},
    {named("Loma-BoldOblique"), "Loma/Loma-BoldOblique.ttf+b+i"},
    {named("SymbolMT"), "DejaVuSerif/DejaVuSerif.ttf"},
    {named("ZapfDingbats"), "DejaVuSans/DejaVuSans.ttf"},
    // Unknown fonts: a generic family from the flags, weight and slant kept.
    {flagged("LucidaTypewriter-Bold", false, false, true, false), "monospace+b"},
    {flagged("Frutiger", false, true, false, false), "sans-serif+i"},
};

class FreeFaceTest : public testing::TestWithParam<Mapping> {};

TEST_P(FreeFaceTest, MapsToTheFaceOfTheTable) {
  EXPECT_EQ(described(free_face(GetParam().font)), GetParam().face);
}

INSTANTIATE_TEST_SUITE_P(Fonts, FreeFaceTest, testing::ValuesIn(kMappings),
                         [](const testing::TestParamInfo<Mapping>& info) {
                           std::string name;
                           for (char c : info.param.font.name) {
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           }
                           return name;
                         });

// Latin Modern has no Cyrillic or Greek: Computer Modern Unicode of the
// same kind draws them before DejaVu, whose letters are wider.
TEST(FontTable, ComputerModernFallsBackToItsUnicodeFaces) {
  EXPECT_EQ(described(fallback_faces(free_face(named("SFRM1000"))).front()), "CMUSerif/cmunrm.ttf");
  EXPECT_EQ(described(fallback_faces(free_face(named("SFTI1000"))).front()),
            "CMUSerif/cmunti.ttf+i");
  EXPECT_EQ(described(fallback_faces(free_face(named("CMTT10"))).front()),
            "CMUTypewriter/cmuntt.ttf");
  EXPECT_EQ(described(fallback_faces(free_face(named("CMUSansSerif"))).front()),
            "DejaVuSans/DejaVuSans.ttf");
  EXPECT_EQ(described(fallback_faces(free_face(named("Times-Roman"))).front()),
            "DejaVuSerif/DejaVuSerif.ttf");
}

// DejaVu has no Thai: a face of the kind draws it, before the CJK faces
// (which have a little Thai of their own but no shaping for it).
TEST(FontTable, ThaiFallsBackToAThaiFaceOfTheKind) {
  const auto thai_faces = [](const char* name) {
    std::string shown;
    for (const FontFace& face : fallback_faces(free_face(named(name)))) {
      if (face.family == "Norasi" || face.family == "Loma" || face.family == "TlwgMono" ||
          face.family.starts_with("Noto")) {
        shown += described(face) + " ";
      }
    }
    return shown;
  };
  EXPECT_EQ(thai_faces("Times-Bold"),
            "Norasi/Norasi-Bold.ttf+b NotoSerifCJK/NotoSerifCJK-Bold.ttc+b ");
  EXPECT_EQ(thai_faces("Helvetica"), "Loma/Loma.ttf NotoSansCJK/NotoSansCJK-Regular.ttc ");
  EXPECT_EQ(thai_faces("Courier"), "TlwgMono/TlwgMono.ttf NotoSansCJK/NotoSansCJK-Regular.ttc ");
}

TEST(FontTable, SubsetPrefixIsSixCapitalsAndPlus) {
  EXPECT_EQ(without_subset_prefix("DQMPNC+LiberationSans"), "LiberationSans");
  EXPECT_EQ(without_subset_prefix("DqMPNC+LiberationSans"), "DqMPNC+LiberationSans");
  EXPECT_EQ(without_subset_prefix("ABCDE+F"), "ABCDE+F");
}

}  // namespace
}  // namespace lexiweb
