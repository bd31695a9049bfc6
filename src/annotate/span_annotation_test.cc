#include "annotate/span_annotation.h"

#include <gtest/gtest.h>

#include "annotate/tag_classification.h"
#include "shell/scratch_catalogue.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_file;

std::string occurrence(const std::string& page, const std::string& position,
                       const std::string& word) {
  return record_line(
      {"       4", page, position, "f000001", "in000001", "i0000000007", word, "1", word + " "});
}

std::string opening(const std::string& page, const std::string& position) {
  return record_line({page, position, "open", "       4", "in000001", "i0000000007"});
}

// A span counts its word's characters on over the end of a page. An
// occurrence whose page field a long line cut short is never met, and holds
// up every occurrence after it.
TEST(SpanPlaces, SpansCountOnOverPagesAndAnUnmetOccurrenceHoldsUpTheRest) {
  testing::WorkingFolder folder;
  write_file("w_1.htm", std::string("ab\0", 3));
  write_file("w_2.htm", "cdef");
  write_file(kPlacedOccurrencesFile, occurrence("         1", "         2", "bcd") +
                                         occurrence("      ", "", "e") +
                                         occurrence("         2", "         4", "f"));
  write_span_places(2);
  EXPECT_EQ(read_file(kSpanPlacesFile), opening("         1", "         2") +
                                            record_line({"         2", "         2", "close"}));
}

// A span still open when the next occurrence starts is never closed.
TEST(SpanPlaces, AnOccurrenceStartingInsideAnOpenSpanLeavesItOpen) {
  testing::WorkingFolder folder;
  write_file("w_1.htm", "abcdef");
  write_file(kPlacedOccurrencesFile, occurrence("         1", "         1", "abcd") +
                                         occurrence("         1", "         3", "c"));
  write_span_places(1);
  EXPECT_EQ(read_file(kSpanPlacesFile), opening("         1", "         1") +
                                            opening("         1", "         3") +
                                            record_line({"         1", "         3", "close"}));
}

// A head goes with the first end tag after it: on a later page that removes
// nothing, and the next head start is looked for after that end tag.
TEST(FrameRanges, AHeadEndingOnALaterPageRemovesNothing) {
  testing::WorkingFolder folder;
  auto tag = [](const char* page, const char* start, const char* end, const char* text) {
    return record_line({page, start, end, text});
  };
  write_file(kTagRecordsFile, tag("         1", "         1", "         6", "head") +
                                  tag("         1", "        20", "        26", "title") +
                                  tag("         1", "        30", "        37", "/title") +
                                  tag("         2", "         1", "         6", "HEAD") +
                                  tag("         2", "         9", "        15", "/head") +
                                  tag("         2", "        16", "        21", "Body x") +
                                  tag("         2", "        22", "        29", "header"));
  classify_tags();
  EXPECT_EQ(read_file(kFrameRangesFile),
            record_line({"         1", "        20", "        37"}) +
                record_line({"         2", "        16", "        21"}));
}

}  // namespace
}  // namespace lexiweb
