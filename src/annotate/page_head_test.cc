#include "annotate/page_head.h"

#include <gtest/gtest.h>

#include "annotate/annotate_test_inputs.h"
#include "annotate/expected_output_page.h"
#include "common/run_values.h"
#include "shell/record_writer.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::expected_head;
using testing::expected_rule;
using testing::Occurrence;
using testing::occurrence_record;
using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

void write_head_of_page_three() {
  RecordWriter page("f000003.htm");
  g_run.page_file_number = &page;
  g_run.current_page_file = "f000003.htm";
  g_run.current_page_number = page_field(3);
  write_page_head();
  g_run.page_file_number = nullptr;
}

TEST(PageHead, TwoScriptBlocksPerOccurrenceOfThePage) {
  WorkingFolder folder;
  write_file("wrd_10_3.txt", occurrence_record(Occurrence{5, 3, 17, 1, 12, "Water"}, 4) +
                                 occurrence_record(Occurrence{17, 3, 40, 1, 13, "wave"}, 9) +
                                 occurrence_record(Occurrence{6, 4, 1, 1, 14, "other"}, 10));
  write_head_of_page_three();

  EXPECT_EQ(read_file("f000003.htm"),
            expected_head("f000003.htm",
                          expected_rule("i0000000012", "5") + expected_rule("i0000000013", "17")));
}

TEST(PageHead, PageWithoutOccurrenceFileGetsTheHeadWithoutRules) {
  WorkingFolder folder;
  write_head_of_page_three();
  EXPECT_EQ(read_file("f000003.htm"), expected_head("f000003.htm", ""));
}

}  // namespace
}  // namespace lexiweb
