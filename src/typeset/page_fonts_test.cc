#include "typeset/page_fonts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "testing/working_folder.h"

namespace lexiweb {
namespace {

// A reshaped page as pdftohtml -c writes it: a class per font, size and
// colour, the bold text of a regular class in a b element. The serif
// class holds a sign Liberation lacks and so does DejaVu Serif (the
// contour integral), and Japanese; the symbol font's class signs of TeX's.
constexpr char kPage[] =
    "<body>\n<style type=\"text/css\">\n<!--\n"
    "\tp {margin: 0; padding: 0;}\t.ft00{font-size:15px;font-family:IVUZKL+LiberationSerif;"
    "color:#000000;}\n"
    "\t.ft01{font-size:18px;font-family:EQVMNG+LiberationSans;color:#000000;}\n"
    "\t.ft02{font-size:13px;font-family:XYZABC+Frutiger;color:#000000;}\n"
    "\t.ft03{font-size:13px;font-family:QWERTY+CMSY10;color:#000000;}\n"
    "\t.ft04{font-size:13px;font-family:Unused;color:#000000;}\n"
    "-->\n</style>\n"
    "<p style=\"position:absolute;top:57px;left:85px;white-space:nowrap\" class=\"ft00\">"
    "Now <b>you</b> are &#8721;&#8750;\xE6\x97\xA5\xE6\x9C\xAC</p>\n"
    "<p style=\"position:absolute;top:80px;left:85px;white-space:nowrap\" class=\"ft01\">"
    "<b>1.1</b></p>\n"
    "<p style=\"position:absolute;top:99px;left:85px;white-space:nowrap\" class=\"ft02\">"
    "one<br/>ok</p>\n"
    "<p style=\"position:absolute;top:99px;left:85px;white-space:nowrap\" class=\"ft03\">"
    "\xE2\x89\xA4\xE2\x9F\xA8</p>\n";

// Sets the fonts of `page` and writes it anew.
void set_fonts(std::string& page, const std::vector<PdfFont>& fonts, FaceShelf& shelf) {
  ConvertedPage converted = read_converted_page(page);
  set_page_fonts(converted, fonts, shelf);
  page = written_page(converted);
}

std::set<char32_t> characters_of(const std::string& text) {
  std::set<char32_t> characters;
  for (char c : text) characters.insert(static_cast<unsigned char>(c));
  return characters;
}

// Each class names the faces its characters went to, in the fallbacks'
// order, and each face is cut to exactly the characters set in it: its
// cmap read back from the WOFF2 file holds them and nothing else.
TEST(PageFonts, EachCharacterGoesToTheFirstFaceThatHasItAndFacesHoldExactlyTheirCharacters) {
  testing::WorkingFolder folder;
  std::filesystem::create_directory("pages");
  const std::vector<PdfFont> fonts = {{"EQVMNG+LiberationSans-Bold", true, false, false, false},
                                      {"IVUZKL+LiberationSerif", false, false, false, true},
                                      {"XYZABC+Frutiger", false, false, false, false}};
  FaceShelf shelf("pages");
  std::string page = kPage;
  set_fonts(page, fonts, shelf);

  EXPECT_NE(
      page.find("<!--\n@font-face{font-family:LiberationSerif;"
                "src:url(fonts/LiberationSerif-Regular.woff2)}\n"
                "@font-face{font-family:DejaVuSans;src:url(fonts/DejaVuSans.woff2)}\n"
                "@font-face{font-family:NotoSerifCJK;src:url(fonts/NotoSerifCJK-Regular.woff2)}\n"
                "@font-face{font-family:LiberationSerif;"
                "src:url(fonts/LiberationSerif-Bold.woff2);font-weight:bold}\n"
                "@font-face{font-family:LiberationSans;"
                "src:url(fonts/LiberationSans-Bold.woff2);font-weight:bold}\n"
                "@font-face{font-family:LatinModernMath;src:url(fonts/latinmodern-math.woff2)}\n"
                "\tp {"),
      std::string::npos)
      << page;
  EXPECT_NE(page.find(".ft00{font-size:15px;font-family:LiberationSerif,DejaVuSans,NotoSerifCJK,"
                      "serif;color"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find(".ft01{font-size:18px;font-family:LiberationSans,sans-serif;"
                      "font-weight:bold;color"),
            std::string::npos);
  // A font no entry knows is drawn by the first fallback of its kind.
  EXPECT_NE(page.find(".ft02{font-size:13px;font-family:DejaVuSans,sans-serif;color"),
            std::string::npos);
  EXPECT_NE(page.find(".ft03{font-size:13px;font-family:LatinModernMath,serif;color"),
            std::string::npos);
  EXPECT_NE(page.find(".ft04{font-size:13px;font-family:sans-serif;color"), std::string::npos);

  ASSERT_TRUE(shelf.write_faces());
  std::map<std::string, std::set<char32_t>> expected = {
      {"LiberationSerif-Regular.woff2", characters_of("Now are")},
      {"LiberationSerif-Bold.woff2", characters_of("you")},
      {"LiberationSans-Bold.woff2", characters_of("1.")},
      {"DejaVuSans.woff2", characters_of("oneok")},
      {"NotoSerifCJK-Regular.woff2", {0x65E5, 0x672C}},
      {"latinmodern-math.woff2", {0x2264, 0x27E8}},
  };
  expected["LiberationSerif-Regular.woff2"].insert(0x2211);
  expected["DejaVuSans.woff2"].insert(0x222E);
  std::map<std::string, std::set<char32_t>> found;
  for (const auto& entry : std::filesystem::directory_iterator("pages/fonts")) {
    const auto characters = characters_of_font_file(entry.path());
    ASSERT_TRUE(characters) << entry.path();
    found[entry.path().filename()] = *characters;
  }
  EXPECT_EQ(found, expected);
}

// Office documents set bullets and Greek in Symbol and Wingdings with codes
// of the private use area, which no face draws: those of the fonts' own
// tables become the characters they stand for; other text keeps them.
TEST(PageFonts, PrivateUseCodesOfSymbolAndWingdingsBecomeTheirCharacters) {
  testing::WorkingFolder folder;
  std::filesystem::create_directory("pages");
  FaceShelf shelf("pages");
  std::string page =
      "<body>\n<style type=\"text/css\">\n<!--\n"
      "\t.ft00{font-size:15px;font-family:ABCDEF+SymbolMT;color:#000000;}\n"
      "\t.ft01{font-size:15px;font-family:Wingdings;color:#000000;}\n"
      "\t.ft02{font-size:15px;font-family:Arial;color:#000000;}\n"
      "-->\n</style>\n"
      "<p class=\"ft00\">\xEF\x82\xB7 <b>\xEF\x81\xA1</b>\xEF\x80\x80</p>\n"
      "<p class=\"ft01\">\xEF\x82\xA7\xEF\x83\xBC\xEF\x80\xA1</p>\n"
      "<p class=\"ft02\">\xEF\x82\xB7</p>\n"
      "<p class=\"ft00\">a \xEF\x80\xBC b \xEF\x80\xA6 c \xEF\x80\xBE</p>\n";
  set_fonts(page, {}, shelf);
  // A bullet and alpha; a code below the table stays.
  EXPECT_NE(page.find("<p class=\"ft00\">\xE2\x80\xA2 <b>\xCE\xB1</b>\xEF\x80\x80</p>"),
            std::string::npos)
      << page;
  // A small square and a check mark; a Wingdings code without a known mark stays.
  EXPECT_NE(page.find("<p class=\"ft01\">\xE2\x96\xAA\xE2\x9C\x93\xEF\x80\xA1</p>"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<p class=\"ft02\">\xEF\x82\xB7</p>"), std::string::npos) << page;
  // Symbol's own less-than, ampersand and greater-than keep the markup whole.
  EXPECT_NE(page.find("<p class=\"ft00\">a &lt; b &amp; c &gt;</p>"), std::string::npos) << page;
  // The faces are cut to the characters the fragments read as now, not
  // to the codes they were written with.
  ASSERT_TRUE(shelf.write_faces());
  std::set<char32_t> drawn;
  for (const auto& entry : std::filesystem::directory_iterator("pages/fonts")) {
    const auto characters = characters_of_font_file(entry.path());
    ASSERT_TRUE(characters) << entry.path();
    drawn.insert(characters->begin(), characters->end());
  }
  for (char32_t character : {0x2022, 0x03B1, 0x25AA, 0x2713}) {
    EXPECT_TRUE(drawn.contains(character)) << std::hex << static_cast<unsigned>(character);
  }
}

}  // namespace
}  // namespace lexiweb
