#include <gtest/gtest.h>

#include <string>

#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/run_failure.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::WorkingFolder;

// Line feed, carriage return and double quote travel as their codes: the
// fields must come back as written, not as the characters they stand for.
TEST(RecordIoTest, CodeFieldsRoundTrip) {
  WorkingFolder folder;
  {
    RecordWriter out("r.txt");
    for (const char* code : {"10", "13", "34"}) out.write_record({"   1", code});
  }
  EXPECT_EQ(read_file("r.txt"), "\"   1\",\"10\"\r\n\"   1\",\"13\"\r\n\"   1\",\"34\"\r\n");
  RecordReader in("r.txt");
  Record record;
  for (const char* code : {"10", "13", "34"}) {
    ASSERT_TRUE(in.read_record(&record));
    EXPECT_EQ(record.field(2), code);
  }
  EXPECT_FALSE(in.read_record(&record));
}

TEST(RecordIoTest, LinesLongerThanTheBufferSurviveRefills) {
  WorkingFolder folder;
  const std::string long_line(3 << 20, 'x');
  {
    RecordWriter out("big.txt");
    for (int i = 0; i < 100000; ++i) out.write_record({std::to_string(i), "abc"});
    out.write_line(long_line);
    out.write_record({"end"});
  }
  RecordReader in("big.txt");
  Record record;
  for (int i = 0; i < 100000; ++i) {
    ASSERT_TRUE(in.read_record(&record));
    ASSERT_EQ(record.field(1), std::to_string(i));
  }
  std::string_view line;
  ASSERT_TRUE(in.read_line(&line));
  EXPECT_EQ(line, long_line);
  ASSERT_TRUE(in.read_record(&record));
  EXPECT_EQ(record.field(1), "end");
  EXPECT_TRUE(in.at_end());
}

TEST(RecordIoTest, MissingFileReadsAsEmpty) {
  WorkingFolder folder;
  RecordReader in;
  EXPECT_FALSE(in.open("missing.txt"));
  std::string_view line;
  EXPECT_FALSE(in.read_line(&line));
  EXPECT_TRUE(in.at_end());
}

// A refused write reaches the caller as a RunFailure with its line, and a
// writer left open on the way up, whose own close would fail as well, lets
// the first failure through instead of ending the process.
TEST(RecordIoTest, RefusedWritesTravelUpAsOneFailure) {
  RecordWriter full("/dev/full");
  full.write_line("lost");
  try {
    full.close();
    ADD_FAILURE() << "the refused write went unnoticed";
  } catch (const RunFailure& failure) {
    EXPECT_EQ(failure.line(), "lexiweb: cannot write /dev/full: No space left on device");
  }

  std::string reached;
  try {
    RecordWriter also_full("/dev/full");
    also_full.write_line("lost as well");
    fail_run("the first failure");
  } catch (const RunFailure& failure) {
    reached = failure.line();
  }
  EXPECT_EQ(reached, "lexiweb: the first failure");
}

}  // namespace
}  // namespace lexiweb
