#include "driver/console_helpers.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/console.h"

namespace lexiweb {
namespace {

// Hands out scripted keys and lines and keeps what was written.
class ScriptedConsole : public Console {
 public:
  explicit ScriptedConsole(std::string keys, std::string line = "")
      : keys_(std::move(keys)), line_(std::move(line)) {
    set_console(this);
  }
  ~ScriptedConsole() override { set_console(nullptr); }

  char read_key() override {
    EXPECT_LT(next_key_, keys_.size()) << "asked for more keys than scripted";
    return next_key_ < keys_.size() ? keys_[next_key_++] : '\0';
  }
  std::string read_line() override { return line_; }
  void write(std::string_view text) override { written_ += text; }
  void clear_screen() override {}

  size_t keys_used() const { return next_key_; }
  const std::string& written() const { return written_; }

 private:
  std::string keys_;
  std::string line_;
  size_t next_key_ = 0;
  std::string written_;
};

TEST(KeyMenuTest, IgnoresOtherKeysAndPrintsOptionsOnce) {
  ScriptedConsole console("x9\r 2");
  EXPECT_EQ(key_menu({"<1> continued", "<2> end"}, "12"), '2');
  EXPECT_EQ(console.keys_used(), 5u);
  EXPECT_EQ(console.written(), "<1> continued\n<2> end\n");
}

TEST(KeyMenuTest, EnterIsAKeyLikeAnyOther) {
  ScriptedConsole console("a\r");
  EXPECT_EQ(key_menu({"<1> or <enter>"}, std::string{'1', kEnterKey}), kEnterKey);
}

TEST(WaitAnyKeyTest, TakesExactlyOneKey) {
  ScriptedConsole console("zq");
  wait_any_key();
  EXPECT_EQ(console.keys_used(), 1u);
}

TEST(PromptTest, TakesTheFirstItemOfTheLine) {
  EXPECT_EQ(first_item("  \t2.5"), "2.5");
  EXPECT_EQ(first_item("1,5"), "1");
  EXPECT_EQ(first_item("\"a, b\" c"), "a, b");
  EXPECT_EQ(first_item(""), "");
  EXPECT_EQ(first_item(std::string(5000, 'x')).size(), 4096u);

  ScriptedConsole console("", " www.example.org ");
  EXPECT_EQ(read_prompt_item("Target ="), "www.example.org ");
  EXPECT_EQ(console.written(), "Target =? ");
}

TEST(StampFileNameTest, HourAlwaysHasTwoDigits) {
  EXPECT_EQ(stamp_file_name("12-05-2026", "09:07:25"), "f_2026_12_05_09_07_25.txt");
  EXPECT_EQ(stamp_file_name("12-05-2026", " 9:07:25"), "f_2026_12_05_09_07_25.txt");
  EXPECT_EQ(stamp_file_name("01-31-2027", "23:59:00"), "f_2027_01_31_23_59_00.txt");
  EXPECT_EQ(stamp_file_name("01-31-2027", "00:00:01"), "f_2027_01_31_00_00_01.txt");
  std::string now = stamp_file_name();
  EXPECT_EQ(now.size(), std::string("f_2026_12_05_09_07_25.txt").size()) << now;
}

TEST(PrintWithNumberTest, NonNegativeNumbersGetOneLeadingBlank) {
  ScriptedConsole console("");
  print_with_number("number of *.htm files =", 12);
  print_with_number("x =", -3);
  EXPECT_EQ(console.written(), "number of *.htm files = 12\nx =-3\n");
}

}  // namespace
}  // namespace lexiweb
