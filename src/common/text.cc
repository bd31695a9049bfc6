#include "common/text.h"

#include <algorithm>
#include <cmath>

namespace lexiweb {

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double numeric_value(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  double sign = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') sign = -1;
    ++i;
  }
  double value = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) value = value * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && is_digit(text[i]); ++i, scale /= 10)
      value += (text[i] - '0') * scale;
  }
  return sign * value;
}

long whole_value(std::string_view text) { return std::lround(numeric_value(text)); }

void append_right_aligned(std::string& out, long value, int width) {
  char digits[24];
  int length = 0;
  bool negative = value < 0;
  unsigned long magnitude = negative ? 0UL - static_cast<unsigned long>(value) : value;
  do {
    digits[length++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) digits[length++] = '-';
  for (int pad = width - length; pad > 0; --pad) out.push_back(' ');
  while (length > 0) out.push_back(digits[--length]);
}

std::string right_aligned(long value, int width) {
  std::string out;
  append_right_aligned(out, value, width);
  return out;
}

void append_zero_filled(std::string& out, long value, int width) {
  std::string digits = std::to_string(value);
  for (int pad = width - static_cast<int>(digits.size()); pad > 0; --pad) out.push_back('0');
  out += digits;
}

std::string zero_filled(long value, int width) {
  std::string out;
  append_zero_filled(out, value, width);
  return out;
}

std::string_view trim_leading_blanks(std::string_view text) {
  size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string_view trim_trailing_blanks(std::string_view text) {
  size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string_view trim_blanks(std::string_view text) {
  return trim_trailing_blanks(trim_leading_blanks(text));
}

std::string to_upper_ascii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), upper);
  return out;
}

std::string to_lower_ascii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), lower);
  return out;
}

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (upper(text[i]) != upper(prefix[i])) return false;
  }
  return true;
}

bool contains_ignoring_case(std::string_view text, std::string_view part) {
  if (part.empty()) return true;
  for (size_t start = 0; start + part.size() <= text.size(); ++start) {
    if (starts_with_ignoring_case(text.substr(start), part)) return true;
  }
  return false;
}

}  // namespace lexiweb
