// lexiweb-fonts: the fonts of a range of pages, for lexiweb's converter.
//   lexiweb-fonts FIRST LAST PDF OUTPUT
// writes OUTPUT with one line per font: its name, a tab, and its flags as
// letters, "b" bold, "i" italic, "f" fixed pitch, "s" serif ("-" for none).
// Exits 1 when the document cannot be opened, 2 when OUTPUT cannot be written.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fontquery/pdf_fonts.h"

namespace {

constexpr int kCannotOpenPdf = 1;
constexpr int kCannotWriteOutput = 2;
constexpr int kWrongUsage = 64;

bool whole_number(const char* text, int* value) {
  char* end = nullptr;
  const long number = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || number < 1 || number > 1'000'000'000) return false;
  *value = static_cast<int>(number);
  return true;
}

std::string flag_letters(const lexiweb::PdfFontFlags& font) {
  std::string letters;
  if (font.bold) letters += 'b';
  if (font.italic) letters += 'i';
  if (font.fixed_pitch) letters += 'f';
  if (font.serif) letters += 's';
  return letters.empty() ? "-" : letters;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 0;
  int last = 0;
  if (argc != 5 || !whole_number(argv[1], &first) || !whole_number(argv[2], &last)) {
    std::fputs("usage: lexiweb-fonts FIRST LAST PDF OUTPUT\n", stderr);
    return kWrongUsage;
  }
  const auto fonts = lexiweb::pdf_fonts(argv[3], first, last);
  if (!fonts) return kCannotOpenPdf;
  std::string text;
  for (const lexiweb::PdfFontFlags& font : *fonts) {
    // A name holds no tab or line end in practice; one that did would only
    // fail to match a converter name.
    text += font.name + "\t" + flag_letters(font) + "\n";
  }
  std::FILE* file = std::fopen(argv[4], "wb");
  if (file == nullptr) return kCannotWriteOutput;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (std::fclose(file) != 0 || !written) return kCannotWriteOutput;
  return 0;
}
