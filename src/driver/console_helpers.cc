#include "driver/console_helpers.h"

#include <cstdio>
#include <ctime>

#include "common/text.h"
#include "platform/console.h"
#include "shell/run_failure.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

void wait_any_key() { console().read_key(); }

char key_menu(std::initializer_list<std::string_view> options, std::string_view accepted) {
  for (std::string_view option : options) print_line(option);
  for (;;) {
    char key = console().read_key();
    if (accepted.find(key) != std::string_view::npos) return key;
  }
}

std::string first_item(std::string_view line) {
  constexpr size_t kLongestItem = 4096;
  size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return "";
  line.remove_prefix(start);
  std::string_view item;
  if (line.front() == '"') {
    size_t close = line.find('"', 1);
    item = line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
  } else {
    item = line.substr(0, line.find(','));
  }
  return std::string(item.substr(0, kLongestItem));
}

std::string read_prompt_item(std::string_view prompt) {
  print(prompt);
  print("? ");
  return first_item(console().read_line());
}

std::string stamp_file_name(std::string_view date, std::string_view time) {
  std::string year(date.substr(6));
  std::string month(date.substr(0, 2));
  std::string day(date.substr(3, 2));
  size_t colon = time.find(':');
  std::string hour(trim_blanks(time.substr(0, colon)));
  if (numeric_value(hour) < 10) hour = "0" + std::to_string(whole_value(hour));
  std::string_view rest =
      colon == std::string_view::npos ? std::string_view() : time.substr(colon + 1);
  size_t second_colon = rest.find(':');
  std::string minute(trim_blanks(rest.substr(0, second_colon)));
  std::string second(
      second_colon == std::string_view::npos ? "" : trim_blanks(rest.substr(second_colon + 1)));
  return std::string(kStampedPrefix) + year + "_" + month + "_" + day + "_" + hour + "_" + minute +
         "_" + second + std::string(kStampedSuffix);
}

std::string stamp_file_name() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[16];
  char time[16];
  std::strftime(date, sizeof date, "%m-%d-%Y", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  return stamp_file_name(date, time);
}

void print_with_number(std::string_view text, long number) {
  print(text);
  if (number >= 0) print(" ");
  print_line(std::to_string(number));
}

void end_run() { throw RunEnding(0); }

}  // namespace lexiweb
