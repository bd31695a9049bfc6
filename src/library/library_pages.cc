#include "library/library_pages.h"

#include "common/words.h"
#include "shell/record_writer.h"

namespace lexiweb {

// The script and the style sheet, embedded at build time.
extern const std::string_view kLibraryScript;
extern const std::string_view kLibraryStyle;

void write_library_page_start(RecordWriter& out, std::string_view title, std::string_view root) {
  std::string line;
  out.write_line("<!DOCTYPE html>");
  out.write_line("<html lang=\"en\">");
  out.write_line("<head>");
  out.write_line("<meta charset=\"utf-8\">");
  out.write_line("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">");
  line = "<title>";
  append_escaped(line, title);
  line += "</title>";
  out.write_line(line);
  out.write_line("<link rel=\"stylesheet\" href=\"" + std::string(root) + "library.css\">");
  out.write_line("<script src=\"" + std::string(root) + "library.js\" defer></script>");
  out.write_line("</head>");
  out.write_line("<body data-library=\"" + std::string(root) + "\">");
  out.write_line("<header><nav><a href=\"" + std::string(root) +
                 "index.html\">Library</a> <a href=\"" + std::string(root) +
                 "all.html\">All words</a></nav>");
  out.write_line(
      "<form role=\"search\" id=\"library-search\" hidden><label for=\"library-word\">Find a "
      "word</label> <input id=\"library-word\" type=\"search\" autocomplete=\"off\" "
      "spellcheck=\"false\" aria-controls=\"library-offers\"><ul id=\"library-offers\" "
      "role=\"listbox\"></ul></form></header>");
  out.write_line("<main>");
  line = "<h1>";
  append_escaped(line, title);
  line += "</h1>";
  out.write_line(line);
}

void write_library_page_end(RecordWriter& out) {
  out.write_line("</main>");
  out.write_line("</body>");
  out.write_line("</html>");
}

std::string hex_name(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name;
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    name += kHex[byte >> 4];
    name += kHex[byte & 0xf];
  }
  return name;
}

std::string_view first_characters(std::string_view text, size_t count) {
  size_t at = 0;
  for (size_t n = 0; n < count && at < text.size(); ++n) {
    size_t after = at + 1;
    if (character_at(text, at, &after) < 0) after = at + 1;
    at = after;
  }
  return text.substr(0, at);
}

std::string_view library_script() { return kLibraryScript; }
std::string_view library_style() { return kLibraryStyle; }

}  // namespace lexiweb
