// lexiweb-ocr: the words of one page that is a picture of text, for
// lexiweb's converter, which runs it once per such page.
//   lexiweb-ocr LANGUAGES PDF PAGE OUTPUT
// draws page PAGE of PDF whole at 300 dpi in gray, recognises it with
// Tesseract in the languages LANGUAGES ("eng", "deu+eng") and writes the
// words to OUTPUT (common/recognized_text.h), complete or not at all.
//   lexiweb-ocr --languages
// prints the languages whose data is installed, one a line.
// Runs in a process of its own, so that a page that crashes the library or
// hangs it ends only this process, and in one thread: the converter runs
// one process per core. Ends itself by SIGALRM after 120 seconds, or the
// whole number of seconds in LEXIWEB_OCR_SECONDS.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/complete_file.h"
#include "common/exit_statuses.h"
#include "common/recognized_text.h"
#include "ocr/page_recognizer.h"
#include "render/background_renderer.h"

namespace {

using lexiweb::kCannotOpenPdf;
using lexiweb::kCannotRestart;
using lexiweb::kCannotWriteOutput;
using lexiweb::kLanguageMissing;
using lexiweb::kPageTooLarge;
using lexiweb::kWrongUsage;

constexpr unsigned kDefaultSeconds = 120;

// A page of A0 (84 x 119 cm) at 300 dpi is 139 million pixels. Up to this
// limit the gray image takes 100 MB and the recogniser's copies of it and
// its working images stay within about a gigabyte, on each core at once;
// larger pages (posters, plans, damaged page sizes) keep their scan
// without words.
constexpr double kMostPixels = 100e6;

// Tesseract's OpenMP runtime reads its thread limit from the environment
// once, as the library loads, and Tesseract asks for several threads
// wherever it can: the program starts itself again with the limit set.
void keep_to_one_thread(char** argv) {
  const char* limit = std::getenv("OMP_THREAD_LIMIT");
  if (limit != nullptr && std::strcmp(limit, "1") == 0) return;
  if (setenv("OMP_THREAD_LIMIT", "1", 1) != 0) return;
  execv("/proc/self/exe", argv);
  std::perror("lexiweb-ocr: cannot start itself again with OMP_THREAD_LIMIT=1");
  std::exit(kCannotRestart);
}

unsigned time_limit() {
  const char* text = std::getenv("LEXIWEB_OCR_SECONDS");
  if (text == nullptr) return kDefaultSeconds;
  char* end = nullptr;
  const long seconds = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || seconds < 1 || seconds > 86400) return kDefaultSeconds;
  return static_cast<unsigned>(seconds);
}

bool whole_number(const char* text, int* value) {
  char* end = nullptr;
  const long number = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || number < 1 || number > 1'000'000'000) return false;
  *value = static_cast<int>(number);
  return true;
}

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
  return text.empty() ? "none" : text;
}

int list_languages() {
  std::string list;
  for (const std::string& name : lexiweb::installed_languages()) list += name + "\n";
  return std::fputs(list.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : kCannotWriteOutput;
}

}  // namespace

int main(int argc, char** argv) {
  keep_to_one_thread(argv);
  alarm(time_limit());
  if (argc == 2 && std::strcmp(argv[1], "--languages") == 0) return list_languages();
  int page = 0;
  if (argc != 5 || !whole_number(argv[3], &page)) {
    std::fputs(
        "usage: lexiweb-ocr LANGUAGES PDF PAGE OUTPUT\n"
        "       lexiweb-ocr --languages\n",
        stderr);
    return kWrongUsage;
  }
  const std::string languages = argv[1];

  lexiweb::PageRecognizer recognizer;
  if (!recognizer.load(languages)) {
    const std::vector<std::string> installed = lexiweb::installed_languages();
    std::vector<std::string> missing = lexiweb::missing_languages(languages, installed);
    // All installed, and one of them unreadable.
    if (missing.empty()) missing = {languages};
    std::fprintf(stderr, "lexiweb-ocr: cannot load the language data of %s (installed: %s)\n",
                 joined(missing).c_str(), joined(installed).c_str());
    return kLanguageMissing;
  }
  {
    // The document and its drawn page go before the recognition, which
    // works on a copy.
    lexiweb::BackgroundRenderer renderer(argv[2]);
    if (!renderer.ok() || page > renderer.page_count()) return kCannotOpenPdf;
    if (renderer.pixel_count(page, lexiweb::kRecognitionDpi) > kMostPixels) return kPageTooLarge;
    recognizer.set_image(renderer.draw_gray(page, lexiweb::kRecognitionDpi));
  }
  const std::string record = lexiweb::format_recognized_page(recognizer.recognize());
  return lexiweb::write_complete_file(argv[4], record) ? 0 : kCannotWriteOutput;
}
