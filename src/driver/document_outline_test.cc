#include "driver/document_outline.h"

#include <gtest/gtest.h>

#include "shell/file_ops.h"
#include "shell/record_writer.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::write_file;

// Only the converter's own form of a link to a page of the document is led
// to the site: pages outside the document, other spellings and other
// attributes keep their bytes.
TEST(DocumentOutline, LinksToPagesOfTheDocumentLeadToTheirOutputPages) {
  EXPECT_EQ(
      outline_line_with_site_links(
          "<li><a href=\"page-3.html\">A &amp; B</a> <a href=\"page-12.html\">x</a></li>", 12),
      "<li><a href=\"f000003.htm\">A &amp; B</a> <a href=\"f000012.htm\">x</a></li>");
  for (const char* line :
       {"<li><a href=\"page-13.html\">past the end</a></li>",
        "<li><a href=\"page-0.html\">before</a></li>", "<li><a href=\"page-03.html\">zero</a></li>",
        "<li><a href=\"page-3.html#top\">anchor</a></li>",
        "<li><a href=\"page-3.htm\">short</a></li>",
        "<li><a href=\"page-99999999999999999999.html\">huge</a></li>",
        "<li><a name=\"page-3.html\">href=\"</a></li>"}) {
    EXPECT_EQ(outline_line_with_site_links(line, 12), line);
  }
}

std::string outline_lines_written(int page_count) {
  {
    RecordWriter out("contents.htm");
    write_document_outline(out, page_count);
  }
  return read_file("contents.htm");
}

TEST(DocumentOutline, TakesTheLinesBetweenTheHeadingAndTheEndOfTheBody) {
  testing::WorkingFolder folder;
  EXPECT_EQ(outline_lines_written(2), "");  // no outline

  make_folder("htm_in");
  write_file("htm_in/outline.htm",
             "<html>\n<body>\n<a name=\"outline\"></a><h1>Document Outline</h1>\n<ul>\n"
             "<li><a href=\"page-2.html\">Two</a></li>\n</ul>\n</body>\n</html>\n");
  EXPECT_EQ(outline_lines_written(2),
            "<ul>\r\n<li><a href=\"f000002.htm\">Two</a></li>\r\n</ul>\r\n");

  write_file("htm_in/outline.htm", "<html>\n<body>\n<ul>\n</ul>\n</body>\n</html>\n");
  EXPECT_EQ(outline_lines_written(2), "");  // no heading line
}

}  // namespace
}  // namespace lexiweb
