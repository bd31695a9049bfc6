#include "common/drawn_text.h"

#include <charconv>
#include <fstream>

#include "common/number_fields.h"

namespace lexiweb {

void append_drawn_run(std::string& out, const DrawnRun& run) {
  out += kDrawnRun;
  out += ' ';
  append_number_field(out, run.top);
  append_number_field(out, run.base);
  append_number_field(out, run.left);
  append_number_field(out, run.right);
  out += run.visible ? "v " : "i ";
  out += run.text;
  out += "\r\n";
}

bool parse_drawn_run(std::string_view line, DrawnRun* run) {
  if (line.size() < 2 || line[0] != kDrawnRun || line[1] != ' ') return false;
  line.remove_prefix(2);
  if (!take_number_field(line, &run->top) || !take_number_field(line, &run->base) ||
      !take_number_field(line, &run->left) || !take_number_field(line, &run->right)) {
    return false;
  }
  if (line.size() < 2 || (line[0] != 'v' && line[0] != 'i') || line[1] != ' ') return false;
  run->visible = line[0] == 'v';
  run->text.assign(line.substr(2));
  return true;
}

void append_drawn_font(std::string& out, const DrawnFont& font) {
  out += kDrawnFont;
  out += ' ';
  for (char c : font.name) out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  out += '\t';
  out += font.flags;
  if (font.letter_widths.size() == kDrawnLetters) {
    char separator = '\t';
    for (int width : font.letter_widths) {
      out += separator;
      out += std::to_string(width);
      separator = ',';
    }
  }
  out += "\r\n";
}

void append_drawn_page(std::string& out, const DrawnPage& page) {
  out += kDrawnPage;
  out += ' ';
  append_number_field(out, page.page);
  const size_t flags = out.size();
  if (page.blank_background) out += 'b';
  if (page.visible_text) out += 't';
  if (page.invisible_text) out += 'i';
  if (page.scanned_picture) out += 's';
  if (page.coarse_picture) out += 'c';
  if (out.size() == flags) out += '-';
  out += "\r\n";
}

bool parse_drawn_font(std::string_view line, DrawnFont* font) {
  if (line.size() < 2 || line[0] != kDrawnFont || line[1] != ' ') return false;
  line.remove_prefix(2);
  const size_t tab = line.find('\t');
  if (tab == std::string_view::npos || tab == 0) return false;
  font->name.assign(line.substr(0, tab));
  line.remove_prefix(tab + 1);
  const size_t widths = line.find('\t');
  font->flags.assign(line.substr(0, widths));
  font->letter_widths.clear();
  if (widths == std::string_view::npos) return true;
  // Widths that do not read as 26 numbers are left out: the font is then
  // known by its name and flags alone.
  std::string_view rest = line.substr(widths + 1);
  while (!rest.empty()) {
    const size_t comma = rest.find(',');
    const std::string_view number = rest.substr(0, comma);
    int width = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), width);
    if (error != std::errc() || end != number.data() + number.size()) break;
    font->letter_widths.push_back(width);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  if (!rest.empty() || font->letter_widths.size() != kDrawnLetters) font->letter_widths.clear();
  return true;
}

bool parse_drawn_page(std::string_view line, DrawnPage* page) {
  if (line.size() < 2 || line[0] != kDrawnPage || line[1] != ' ') return false;
  line.remove_prefix(2);
  if (!take_number_field(line, &page->page) || line.empty()) return false;
  page->blank_background = line.find('b') != std::string_view::npos;
  page->visible_text = line.find('t') != std::string_view::npos;
  page->invisible_text = line.find('i') != std::string_view::npos;
  page->scanned_picture = line.find('s') != std::string_view::npos;
  page->coarse_picture = line.find('c') != std::string_view::npos;
  return true;
}

void read_drawn_pages(const std::string& path, DrawnPages* drawn) {
  std::ifstream in(path, std::ios::binary);
  DrawnFont font;
  DrawnPage page;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (parse_drawn_font(line, &font)) {
      drawn->fonts.push_back(font);
    } else if (parse_drawn_page(line, &page)) {
      drawn->pages.push_back(page);
    }
  }
}

}  // namespace lexiweb
