#include "shell/character_code.h"

#include <gtest/gtest.h>

namespace lexiweb {
namespace {

TEST(CharacterCodeTest, FieldsAndValuesRoundTrip) {
  EXPECT_EQ(code_field(60), "   60");
  EXPECT_EQ(code_field(255), "  255");
  for (int byte = 1; byte < 256; ++byte) {
    ASSERT_EQ(code_value(code_field(static_cast<unsigned char>(byte))), byte);
  }
  EXPECT_EQ(code_value("     "), 0) << "a blank code is removed or a separator";
  EXPECT_EQ(code_value("  256"), 0) << "no byte";
}

}  // namespace
}  // namespace lexiweb
