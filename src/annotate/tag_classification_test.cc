#include "annotate/tag_classification.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <vector>

#include "annotate/annotate_test_inputs.h"
#include "annotate/annotate_words.h"
#include "platform/console.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::position_of;
using testing::read_file;
using testing::record_line;
using testing::WorkingFolder;
using testing::write_annotation_inputs;
using testing::write_file;

std::vector<std::string> lines_of(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A record as a line reads back, without its CR LF.
std::string record_text(std::initializer_list<std::string> fields) {
  std::string line = record_line(fields);
  return line.substr(0, line.size() - 2);
}

// The bytes of the records of an annotated file whose code is not blank.
std::string kept_text(const std::string& file) {
  std::string text;
  for (const std::string& line : lines_of(read_file(file))) {
    std::string code = line.substr(1, 5);
    if (code != "     ") text += static_cast<char>(std::stoi(code));
  }
  return text;
}

const std::string kSpanX =
    "<span  id = \"i0000000001\" class=\"c1\" type = \"text/javascript\" ondblclick = "
    "\"window.open('in000001.htm#i0000000001'); window.event.cancelbubble = true;\" >x</span>";

std::string boundary(const std::string& code, long position, const std::string& name) {
  return record_line({code, page_field(1), page_field(position), "     ", name});
}

TEST(FrameRemoval, WholeFrameGoesAndTheWordWithItsMarkupStays) {
  WorkingFolder folder;
  const std::string page =
      "<!DOCTYPE html><HtMl lang=\"en\"><head><title>T</title><meta x></head>"
      "<BODY bgcolor=\"#A0A0A0\">x</body></html>";
  const long x = position_of(page, ">x<") + 1;
  write_annotation_inputs({page}, {{1, 1, x, 1, 1, "x"}});
  annotate_words();

  EXPECT_EQ(kept_text("htm_03.txt"), kSpanX);
  EXPECT_EQ(read_file("htm_03_1.txt"), read_file("htm_03.txt"));
  EXPECT_EQ(read_file("htm_04.txt"), read_file("htm_03.txt"));

  const long head = position_of(page, "<head>");
  const long head_end = position_of(page, "</head>") + 6;
  const long title = position_of(page, "<title>");
  const long title_end = position_of(page, "</title>") + 7;
  const long body = position_of(page, "<BODY");
  const long body_end = x - 1;
  const long body_close = position_of(page, "</body>");
  const long html_close = position_of(page, "</html>");
  const long html_end = static_cast<long>(page.size());
  EXPECT_EQ(read_file("tag_5.txt"),
            boundary("   60", 1, "!DOCTYPE") + boundary("   62", 15, "!DOCTYPE") +
                boundary("   60", 16, "HtMl") + boundary("   62", 31, "HtMl") +
                boundary("   60", html_close, "/html") + boundary("   62", html_end, "/html") +
                boundary("   60", head, "HEAD") + boundary("   62", head_end, "/HEAD") +
                boundary("   60", title, "TITLE") + boundary("   62", title_end, "/TITLE") +
                boundary("   60", body, "BODY") + boundary("   62", body_end, "BODY") +
                boundary("   60", body_close, "/body") +
                boundary("   62", body_close + 6, "/body"));
}

TEST(FrameRemoval, EveryDeletionPositionIsListedOnceInOrder) {
  WorkingFolder folder;
  // The title lies inside the head, so its positions are listed twice before
  // the repeats are removed.
  const std::string page = "<html><head><title>T</title></head><body>word</body></html>";
  write_annotation_inputs({page}, {});
  annotate_words();

  std::vector<std::string> positions = lines_of(read_file("tag_8.txt"));
  std::set<std::string> distinct(positions.begin(), positions.end());
  EXPECT_EQ(distinct.size(), positions.size());
  EXPECT_EQ(positions.size(), page.size() - 4);
  const size_t title_length = std::string("<title>T</title>").size();
  EXPECT_EQ(lines_of(read_file("tag_7.txt")).size(), positions.size() + title_length);
  EXPECT_EQ(positions.front(), record_text({page_field(1), page_field(1)}));
  EXPECT_EQ(positions.back(), record_text({page_field(1), page_field(page.size())}));
  EXPECT_EQ(kept_text("htm_03.txt"), "word");
}

TEST(FrameRemoval, OnlyTagsThatBeginWithAFrameNameAreRemoved) {
  WorkingFolder folder;
  const std::string page =
      "<htmlish>a<img src=\"i.png\"><TABLE><script>s</script><style>y</style></TABLE>"
      "<bodyguard>b<p>c</p>";
  write_annotation_inputs({page}, {});
  annotate_words();

  EXPECT_EQ(kept_text("htm_03.txt"),
            "a<img src=\"i.png\"><TABLE><script>s</script><style>y</style></TABLE>b<p>c</p>");
}

TEST(FrameRemoval, HeadWithoutItsEndTagTakesTheNextPagesEndTag) {
  WorkingFolder folder;
  write_annotation_inputs(
      {"<head><title>A</title><body>a</body>", "<head><title>B</title></head><body>b</body>"}, {});
  annotate_words();

  // Neither head is removed; both titles are, each having its end on its page.
  EXPECT_EQ(kept_text("htm_03_1.txt"), "<head>a");
  EXPECT_EQ(kept_text("htm_03_2.txt"), "<head></head>b");
}

TEST(FrameRemoval, FirstAndLastCharactersOfTheDocumentAreRemovedToo) {
  WorkingFolder folder;
  write_annotation_inputs({"<html>p</html>", "<html>q</html>"}, {});
  annotate_words();

  std::vector<std::string> records = lines_of(read_file("htm_03.txt"));
  ASSERT_EQ(records.size(), 28u);
  EXPECT_EQ(records.front(), record_text({"     ", page_field(1), page_field(1), "       "}));
  EXPECT_EQ(records.back(), record_text({"     ", page_field(2), page_field(14), "       "}));
  EXPECT_EQ(kept_text("htm_03.txt"), "pq");
}

TEST(FrameRemoval, PagesWithoutFrameTagsAreLeftAsTheyAre) {
  WorkingFolder folder;
  write_annotation_inputs({"<p>a</p>"}, {});
  annotate_words();

  EXPECT_EQ(read_file("tag_6.txt"), "");
  EXPECT_EQ(read_file("tag_8.txt"), "");
  EXPECT_EQ(read_file("htm_03.txt"), read_file("htm_02.txt"));
  EXPECT_EQ(read_file("htm_03_1.txt"), read_file("htm_02.txt"));
}

class CapturedConsole : public Console {
 public:
  char read_key() override { return kEnterKey; }
  std::string read_line() override { return ""; }
  void write(std::string_view text) override { shown += text; }
  void clear_screen() override {}
  std::string shown;
};

TEST(FrameRemoval, BoundaryPairAcrossPagesIsReportedAndSkipped) {
  WorkingFolder folder;
  CapturedConsole captured;
  set_console(&captured);
  write_file("tag_5.txt",
             record_line({"   60", page_field(1), page_field(3), "     ", "HEAD"}) +
                 record_line({"   62", page_field(2), page_field(9), "     ", "/HEAD"}) +
                 record_line({"   60", page_field(2), page_field(4), "     ", "BODY"}) +
                 record_line({"   62", page_field(2), page_field(5), "     ", "BODY"}));
  write_deletion_positions();
  set_console(nullptr);

  EXPECT_EQ(captured.shown, "---------------------------\nfile.01 <> file.02, fatal error\n\n");
  EXPECT_EQ(read_file("tag_6.txt"), record_line({page_field(2), page_field(4)}) +
                                        record_line({page_field(2), page_field(5)}));
}

}  // namespace
}  // namespace lexiweb
