#include "typeset/page_fonts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "testing/working_folder.h"
#include "typeset/fragment_widths.h"

namespace lexiweb {
namespace {

// A reshaped page as pdftohtml -c writes it: a class per font, size and
// colour, the bold text of a regular class in a b element.
constexpr char kPage[] =
    "<body>\n<style type=\"text/css\">\n<!--\n"
    "\tp {margin: 0; padding: 0;}\t.ft00{font-size:15px;font-family:IVUZKL+LiberationSerif;"
    "color:#000000;}\n"
    "\t.ft01{font-size:18px;font-family:EQVMNG+LiberationSans;color:#000000;}\n"
    "\t.ft02{font-size:13px;font-family:XYZABC+Frutiger;color:#000000;}\n"
    "-->\n</style>\n"
    "<p style=\"position:absolute;top:57px;left:85px;white-space:nowrap\" class=\"ft00\">"
    "Now <b>you</b> are</p>\n"
    "<p style=\"position:absolute;top:80px;left:85px;white-space:nowrap\" class=\"ft01\">"
    "<b>1.1.2</b></p>\n"
    "<p style=\"position:absolute;top:99px;left:85px;white-space:nowrap\" class=\"ft02\">"
    "one<br/>two</p>\n";

TEST(PageFonts, ClassesNameTheFreeFacesTheirRulesLoadFromTheFontFolder) {
  testing::WorkingFolder folder;
  std::filesystem::create_directory("pages");
  const std::vector<PdfFont> fonts = {{"EQVMNG+LiberationSans-Bold", true, false, false, false},
                                      {"IVUZKL+LiberationSerif", false, false, false, true},
                                      {"XYZABC+Frutiger", false, false, false, false}};
  FontShelf shelf("pages");
  std::string page = kPage;
  set_page_fonts(page, fonts, shelf);

  // The regular serif class and the bold face its b element needs; the
  // bold sans of the flags; the unknown font only its generic family.
  EXPECT_NE(page.find("<!--\n@font-face{font-family:LiberationSerif;"
                      "src:url(fonts/LiberationSerif-Regular.woff2)}\n"
                      "@font-face{font-family:LiberationSerif;"
                      "src:url(fonts/LiberationSerif-Bold.woff2);font-weight:bold}\n"
                      "@font-face{font-family:LiberationSans;"
                      "src:url(fonts/LiberationSans-Bold.woff2);font-weight:bold}\n\tp {"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find(".ft00{font-size:15px;font-family:LiberationSerif,serif;color"),
            std::string::npos);
  EXPECT_NE(page.find(".ft01{font-size:18px;font-family:LiberationSans,sans-serif;"
                      "font-weight:bold;color"),
            std::string::npos);
  EXPECT_NE(page.find(".ft02{font-size:13px;font-family:sans-serif;color"), std::string::npos);
  ASSERT_TRUE(shelf.compress());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("pages/fonts"),
                          std::filesystem::directory_iterator()),
            3);
  for (const char* file : {"LiberationSerif-Regular.woff2", "LiberationSerif-Bold.woff2",
                           "LiberationSans-Bold.woff2"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(std::string("pages/fonts/") + file)) << file;
  }
}

// Compressing a face takes seconds: a later run takes it from the user's cache.
TEST(PageFonts, FaceCompressedOnceComesFromTheCacheAfterwards) {
  testing::WorkingFolder folder;
  if (system("command -v woff2_compress >/dev/null") != 0) GTEST_SKIP() << "no woff2_compress";
  const std::string saved = getenv("XDG_CACHE_HOME") == nullptr ? "" : getenv("XDG_CACHE_HOME");
  setenv("XDG_CACHE_HOME", (folder.path() / "cache").c_str(), 1);
  const FontFace face = free_face(PdfFont{"ABCDEF+LiberationMono"});
  const std::filesystem::path cache = folder.path() / "cache" / "lexiweb" / "fonts";
  const std::string compressed = "fonts/" + face.file.substr(0, face.file.rfind('.')) + ".woff2";

  std::filesystem::create_directory("first");
  FontShelf first("first");
  EXPECT_EQ(first.address(face), compressed);
  ASSERT_TRUE(first.compress());
  std::vector<std::filesystem::path> cached(std::filesystem::directory_iterator(cache), {});
  ASSERT_EQ(cached.size(), 1u);
  EXPECT_EQ(testing::read_file(cached[0]), testing::read_file("first/" + compressed));
  testing::write_file(cached[0], "what the cache holds");

  std::filesystem::create_directory("second");
  FontShelf second("second");
  EXPECT_EQ(second.address(face), compressed);
  ASSERT_TRUE(second.compress());
  if (saved.empty()) {
    unsetenv("XDG_CACHE_HOME");
  } else {
    setenv("XDG_CACHE_HOME", saved.c_str(), 1);
  }
  EXPECT_EQ(testing::read_file("second/" + compressed), "what the cache holds");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("second/fonts"), {}), 1);
}

TEST(FragmentWidths, EachFragmentTakesOneWidthPerLineOrThePageStaysAsItWas) {
  std::string page = kPage;
  const std::vector<TextLine> lines = {{57, 85, 107}, {80, 85, 40}, {99, 85, 30}, {115, 85, 28}};
  ASSERT_TRUE(add_fragment_widths(page, lines));
  EXPECT_NE(page.find("class=\"ft00\" data-w=\"107\">Now"), std::string::npos) << page;
  EXPECT_NE(page.find("class=\"ft01\" data-w=\"40\"><b>"), std::string::npos) << page;
  EXPECT_NE(page.find("class=\"ft02\" data-w=\"30,28\">one"), std::string::npos) << page;

  // A line too few, or a fragment elsewhere than its line: nothing is added.
  for (const std::vector<TextLine>& wrong :
       {std::vector<TextLine>(lines.begin(), lines.end() - 1),
        std::vector<TextLine>{{57, 85, 107}, {81, 85, 40}, {99, 85, 30}, {115, 85, 28}}}) {
    page = kPage;
    EXPECT_FALSE(add_fragment_widths(page, wrong));
    EXPECT_EQ(page, kPage);
  }
}

}  // namespace
}  // namespace lexiweb
