// What the converter's tests share: a console that keeps what the
// converter prints, and a small document to convert.
#ifndef LEXIWEB_CONVERT_CONVERTER_TESTING_H_
#define LEXIWEB_CONVERT_CONVERTER_TESTING_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/console.h"
#include "tools/pdf_writer.h"

namespace lexiweb::testing {

// Keeps what the converter prints; it never asks for input.
class RecordingConsole : public Console {
 public:
  RecordingConsole() { set_console(this); }
  ~RecordingConsole() override { set_console(nullptr); }
  char read_key() override { return kEnterKey; }
  std::string read_line() override { return {}; }
  void write(std::string_view text) override { output.append(text); }
  void clear_screen() override {}
  std::string output;
};

// Three pages: words, quotes and signs, a link to page 3 and a web link on
// page 1, an empty page 2, and a link back to page 1 on page 3.
inline std::vector<PdfPage> three_pages() {
  std::vector<PdfPage> pages(3);
  pages[0].lines = {"Rivers  and   lakes", "He said \"hello\" and it's fine",
                    "Salt & fresh <water> caf\xC3\xA9", "See the third page", "Mail the keeper"};
  pages[0].links = {internal_link(3, 3), external_link(0, "https://example.org/a?b=1&c=2"),
                    external_link(4, "mailto:keeper@example.org")};
  pages[2].lines = {"Back to the first page", "The end"};
  pages[2].links = {internal_link(0, 1, PdfLinkForm::kGoToAction)};
  return pages;
}

}  // namespace lexiweb::testing

#endif  // LEXIWEB_CONVERT_CONVERTER_TESTING_H_
