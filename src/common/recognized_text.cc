#include "common/recognized_text.h"

#include <charconv>

#include "common/number_fields.h"

namespace lexiweb {
namespace {

constexpr char kImage = 'i';
constexpr char kBlock = 'b';
constexpr char kParagraph = 'p';
constexpr char kLine = 'l';
constexpr char kWord = 'w';
constexpr char kEnd = 'e';

void append_box(std::string& out, const PixelBox& box) {
  append_number_field(out, box.left);
  append_number_field(out, box.top);
  append_number_field(out, box.right);
  append_number_field(out, box.bottom);
}

bool take_box(std::string_view& line, PixelBox* box) {
  return take_number_field(line, &box->left) && take_number_field(line, &box->top) &&
         take_number_field(line, &box->right) && take_number_field(line, &box->bottom);
}

// The number that ends a line, and the line end.
void append_last_number(std::string& out, long value) {
  out += std::to_string(value);
  out += "\r\n";
}

// Whether `field` is a number and nothing else.
bool last_number(std::string_view field, long* value) {
  const auto result = std::from_chars(field.data(), field.data() + field.size(), *value);
  return result.ec == std::errc() && result.ptr == field.data() + field.size();
}

// The next line of `bytes`, taken off it without its CR LF or lone LF;
// false when `bytes` end without a line end.
bool take_line(std::string_view& bytes, std::string_view* line) {
  const size_t end = bytes.find('\n');
  if (end == std::string_view::npos) return false;
  *line = bytes.substr(0, end > 0 && bytes[end - 1] == '\r' ? end - 1 : end);
  bytes.remove_prefix(end + 1);
  return true;
}

// Whether `line` is the letter `kind` and a blank, which it takes off.
bool take_kind(std::string_view& line, char kind) {
  if (line.size() < 2 || line[0] != kind || line[1] != ' ') return false;
  line.remove_prefix(2);
  return true;
}

}  // namespace

std::string format_recognized_page(const RecognizedPage& page) {
  std::string out;
  out += kImage;
  out += ' ';
  append_number_field(out, page.width);
  append_last_number(out, page.height);
  for (const RecognizedLine& line : page.lines) {
    if (line.starts_block) (out += kBlock) += "\r\n";
    if (line.starts_paragraph) (out += kParagraph) += "\r\n";
    out += kLine;
    out += ' ';
    append_box(out, line.box);
    append_last_number(out, line.baseline);
    for (const RecognizedWord& word : line.words) {
      out += kWord;
      out += ' ';
      append_box(out, word.box);
      append_number_field(out, word.confidence);
      for (const char c : word.text) out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
      out += "\r\n";
    }
  }
  (out += kEnd) += "\r\n";
  return out;
}

bool parse_recognized_page(std::string_view bytes, RecognizedPage* page) {
  *page = {};
  std::string_view line;
  if (!take_line(bytes, &line) || !take_kind(line, kImage) ||
      !take_number_field(line, &page->width) || !last_number(line, &page->height)) {
    return false;
  }
  bool block = false;
  bool paragraph = false;
  while (take_line(bytes, &line)) {
    if (line.size() == 1 && line[0] == kEnd) return bytes.empty();
    if (line.size() == 1 && line[0] == kBlock) {
      block = true;
    } else if (line.size() == 1 && line[0] == kParagraph) {
      paragraph = true;
    } else if (take_kind(line, kLine)) {
      RecognizedLine& text_line = page->lines.emplace_back();
      text_line.starts_block = block;
      text_line.starts_paragraph = paragraph;
      block = paragraph = false;
      if (!take_box(line, &text_line.box) || !last_number(line, &text_line.baseline)) {
        return false;
      }
    } else if (take_kind(line, kWord)) {
      if (page->lines.empty()) return false;
      RecognizedWord& word = page->lines.back().words.emplace_back();
      if (!take_box(line, &word.box) || !take_number_field(line, &word.confidence)) return false;
      word.text.assign(line);
    } else {
      return false;
    }
  }
  return false;
}

}  // namespace lexiweb
