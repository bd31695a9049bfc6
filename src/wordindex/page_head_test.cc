#include "wordindex/page_head.h"

#include <gtest/gtest.h>

#include "common/run_parameters.h"
#include "shell/record_writer.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::WorkingFolder;

TEST(StandardPageHead, WritesTheNineLinesWithTheTitleOnItsOwnLine) {
  WorkingFolder folder;
  {
    RecordWriter out("page.htm");
    write_standard_page_head(out, "in000007.htm");
  }
  EXPECT_EQ(read_file("page.htm"),
            "<HTML>\r\n"
            "<head> <meta http-equiv=\"content-type\"  content=\"text/HTML; charset=utf-8\">\r\n"
            "<title>\r\n"
            "in000007.htm\r\n"
            "</title>\r\n"
            "<style type =\"text/css\">\r\n"
            "\ndiv.ol {text-align: left}\n</style>\r\n"
            "</head>\r\n"
            "<body>\r\n");
}

TEST(DetailsLine, LinksTheInformationPageShowingItWithoutScheme) {
  std::string address(details_address);
  ASSERT_TRUE(address.starts_with("https://"));
  std::string expected_link =
      "<a href = \"" + address + "\">" + address.substr(std::string("https://").size()) + "</a>";
  EXPECT_EQ(details_link(), expected_link);

  WorkingFolder folder;
  {
    RecordWriter out("page.htm");
    write_index_details_line(out);
  }
  EXPECT_EQ(read_file("page.htm"), "Details: " + expected_link + " <br>\r\n");
}

}  // namespace
}  // namespace lexiweb
