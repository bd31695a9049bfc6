#include "convert/measuring.h"

#include <gtest/gtest.h>

#include "shell/run_shell.h"
#include "testing/working_folder.h"
#include "tools/pdf_writer.h"

namespace lexiweb {
namespace {

// The font query built with the program reads the fonts of the pages asked
// for through poppler's library: the PDF writer's one font, Helvetica, with
// its flags, once however many pages use it.
TEST(FontQuery, ReportsEachFontOfThePagesOnceWithItsFlags) {
  const std::string query = font_query_program();
  if (query.empty()) GTEST_SKIP() << "built without poppler's development files";
  testing::WorkingFolder folder;
  testing::write_pdf("doc.pdf",
                     {testing::PdfPage{{"Rivers"}, {}}, testing::PdfPage{{"Lakes"}, {}}});
  std::string ignored;
  ASSERT_EQ(run_for_output({query, "1", "2", "doc.pdf", "fonts.txt"}, &ignored), 0);
  const std::string fonts = testing::read_file("fonts.txt");
  EXPECT_TRUE(fonts.starts_with("Helvetica\t")) << fonts;
  EXPECT_EQ(fonts.find('\n'), fonts.size() - 1) << fonts;

  EXPECT_EQ(run_for_output({query, "1", "2", "missing.pdf", "fonts.txt"}, &ignored), 1);
  EXPECT_EQ(run_for_output({query, "1", "doc.pdf", "fonts.txt"}, &ignored), 64);
}

}  // namespace
}  // namespace lexiweb
