#include "driver/console_helpers.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/console.h"

namespace lexiweb {
namespace {

// Hands out scripted keys and keeps what was written.
class ScriptedConsole : public Console {
 public:
  explicit ScriptedConsole(std::string keys) : keys_(std::move(keys)) { set_console(this); }
  ~ScriptedConsole() override { set_console(nullptr); }

  char read_key() override {
    EXPECT_LT(keys_used, keys_.size()) << "asked for more keys than scripted";
    return keys_used < keys_.size() ? keys_[keys_used++] : '\0';
  }
  std::string read_line() override { return ""; }
  void write(std::string_view text) override { written += text; }
  void clear_screen() override {}

  size_t keys_used = 0;
  std::string written;

 private:
  std::string keys_;
};

TEST(ConsoleHelpersTest, KeyMenuIgnoresOtherKeysAndPrintsItsOptionsOnce) {
  ScriptedConsole console("x9\r 2");
  EXPECT_EQ(key_menu({"<1> continued", "<2> end"}, "12"), '2');
  EXPECT_EQ(console.keys_used, 5u);
  EXPECT_EQ(console.written, "<1> continued\n<2> end\n");
}

TEST(ConsoleHelpersTest, PrintWithNumberPutsABlankBeforeNonNegativeNumbersOnly) {
  ScriptedConsole console("");
  print_with_number("files =", 12);
  print_with_number("x =", -3);
  EXPECT_EQ(console.written, "files = 12\nx =-3\n");
}

// The clock may give the hour as " 9"; the name needs "09".
TEST(ConsoleHelpersTest, StampNameHasATwoDigitHourAtNineOClock) {
  EXPECT_EQ(stamp_file_name("12-05-2026", " 9:07:25"), "f_2026_12_05_09_07_25.txt");
  EXPECT_EQ(stamp_file_name("01-31-2027", "23:59:00"), "f_2027_01_31_23_59_00.txt");
}

}  // namespace
}  // namespace lexiweb
