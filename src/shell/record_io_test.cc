#include <gtest/gtest.h>

#include <string>

#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::WorkingFolder;
using testing::write_file;

TEST(RecordIoTest, RecordsRoundTripWithFixedWidthsAndSpelledCodes) {
  WorkingFolder folder;
  {
    RecordWriter out("r.txt");
    out.write_record({"   10", "         1", "         1", "10"});
    out.write_record({"   13", "         1", "         2", "13"});
    out.write_record({"   34", "         1", "         3", "34"});
    out.write_record({"   44", "         1", "         4", ","});
    out.write_record({"   32", "         1", "         5", " "});
    out.write_record({"x", "", "last"});
  }
  EXPECT_EQ(read_file("r.txt"),
            "\"   10\",\"         1\",\"         1\",\"10\"\r\n"
            "\"   13\",\"         1\",\"         2\",\"13\"\r\n"
            "\"   34\",\"         1\",\"         3\",\"34\"\r\n"
            "\"   44\",\"         1\",\"         4\",\",\"\r\n"
            "\"   32\",\"         1\",\"         5\",\" \"\r\n"
            "\"x\",\"\",\"last\"\r\n");

  RecordReader in("r.txt");
  Record record;
  ASSERT_TRUE(in.read_record(&record));
  EXPECT_EQ(record.field(1), "   10");
  EXPECT_EQ(record.field(2), "         1");
  EXPECT_EQ(record.field(4), "10");
  ASSERT_TRUE(in.read_record(&record));
  EXPECT_EQ(record.field(4), "13");
  ASSERT_TRUE(in.read_record(&record));
  EXPECT_EQ(record.field(4), "34");
  ASSERT_TRUE(in.read_record(&record));
  EXPECT_EQ(record.field(4), ",") << "a comma inside quotes belongs to the field";
  ASSERT_TRUE(in.read_record(&record));
  EXPECT_EQ(record.field(4), " ") << "a quoted blank is kept";
  ASSERT_TRUE(in.read_record(&record));
  EXPECT_EQ(record.size(), 3);
  EXPECT_EQ(record.field(2), "");
  EXPECT_EQ(record.field(3), "last");
  EXPECT_EQ(record.field(9), "") << "a field the record lacks reads as empty";
  EXPECT_FALSE(in.read_record(&record));
  EXPECT_EQ(record.field(1), "") << "a read past the end yields empty fields";
  EXPECT_TRUE(in.at_end());

  in.rewind();
  ASSERT_TRUE(in.read_record(&record));
  EXPECT_EQ(record.field(1), "   10");
}

TEST(RecordIoTest, LinesEndAtLoneLineFeedsAndAtTheEndOfTheFile) {
  WorkingFolder folder;
  write_file("l.txt", "one\r\ntwo\nthree");
  RecordReader in("l.txt");
  std::string_view line;
  ASSERT_TRUE(in.read_line(&line));
  EXPECT_EQ(line, "one");
  ASSERT_TRUE(in.read_line(&line));
  EXPECT_EQ(line, "two");
  ASSERT_TRUE(in.read_line(&line));
  EXPECT_EQ(line, "three");
  EXPECT_FALSE(in.read_line(&line));
}

TEST(RecordIoTest, MissingFileReadsAsEmpty) {
  WorkingFolder folder;
  RecordReader in;
  EXPECT_FALSE(in.open("missing.txt"));
  std::string_view line;
  EXPECT_FALSE(in.read_line(&line));
  EXPECT_TRUE(in.at_end());
}

TEST(RecordIoTest, LinesLongerThanTheBufferAndManyRecordsSurvive) {
  WorkingFolder folder;
  std::string long_line(3 << 20, 'x');
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

TEST(RecordIoTest, UnquotedItemsLoseSurroundingBlanks) {
  Record record;
  record.parse("  abc , \"q,r\" ,x");
  EXPECT_EQ(record.size(), 3);
  EXPECT_EQ(record.field(1), "abc");
  EXPECT_EQ(record.field(2), "q,r");
  EXPECT_EQ(record.field(3), "x");
}

}  // namespace
}  // namespace lexiweb
