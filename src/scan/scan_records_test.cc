#include "scan/scan_records.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

struct Fields {
  std::string code, page, position, character;
  bool operator==(const Fields&) const = default;
};

Fields fields_of(std::string_view line) {
  CharacterRecord record;
  record.parse(line);
  return {std::string(record.code()), std::string(record.page()), std::string(record.position()),
          std::string(record.character())};
}

TEST(CharacterRecord, SplitsTheUsualLayoutByItsColumns) {
  EXPECT_EQ(fields_of(R"("   60","         1","        17","<")"),
            (Fields{"   60", "         1", "        17", "<"}));
  EXPECT_EQ(fields_of(R"("   44","         2","         3",",")"),
            (Fields{"   44", "         2", "         3", ","}));
  EXPECT_EQ(fields_of(R"("   10","         2","         3","")"),
            (Fields{"   10", "         2", "         3", ""}));
  EXPECT_EQ(fields_of(R"("     ","          ","          ","     ")"),
            (Fields{"     ", "          ", "          ", "     "}));
}

TEST(CharacterRecord, OtherWidthsGoThroughTheGeneralParser) {
  EXPECT_EQ(fields_of(R"("60","1","17","<")"), (Fields{"60", "1", "17", "<"}));
  EXPECT_EQ(fields_of(R"("   60","  12345678901","        17","<")"),
            (Fields{"   60", "  12345678901", "        17", "<"}));
  EXPECT_EQ(fields_of(""), (Fields{}));
}

}  // namespace
}  // namespace lexiweb
