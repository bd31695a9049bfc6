// Each page is a job of its own: recognition takes seconds a page, far more
// than starting the recogniser, and a page that crashes or hangs the
// library then costs that page alone. The recogniser keeps itself to one
// thread and ends itself past its time limit.
#include "convert/recognition.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

#include "common/complete_file.h"
#include "common/converter_files.h"
#include "convert/conversion_report.h"
#include "convert/converter_page.h"
#include "platform/console.h"
#include "platform/private_programs.h"
#include "platform/system_info.h"
#include "shell/file_ops.h"
#include "shell/process_pool.h"
#include "shell/run_failure.h"
#include "shell/run_shell.h"

namespace lexiweb {
namespace {

// Whether the converter page of `page` holds a text fragment.
bool has_fragments(const std::string& folder, int page) {
  std::string html;
  if (!read_whole_file(folder + "/" + converter_page_file(page), &html)) return false;
  return html.find("<p style=\"position:absolute;") != std::string::npos;
}

void check_recognition_languages(const std::string& recognizer, const std::string& languages) {
  std::string listing;
  if (run_for_output({recognizer, "--languages"}, &listing) != 0) {
    fail_run("the text recogniser " + recognizer + " cannot list its languages");
  }
  std::set<std::string> installed;
  std::string installed_names;
  std::istringstream lines(listing);
  for (std::string name; std::getline(lines, name);) {
    if (name.empty() || !installed.insert(name).second) continue;
    installed_names += (installed_names.empty() ? "" : ", ") + name;
  }
  std::istringstream asked(languages);
  for (std::string name; std::getline(asked, name, '+');) {
    if (installed.contains(name)) continue;
    fail_run("the recognition language \"" + name +
             "\" of LEXIWEB_OCR_LANGUAGES is not installed; " +
             "installed: " + (installed_names.empty() ? "none" : installed_names));
  }
}

}  // namespace

Recognition recognition_setup() {
  Recognition recognition;
  recognition.program = private_program("lexiweb-ocr");
  const char* languages = std::getenv("LEXIWEB_OCR_LANGUAGES");
  recognition.languages = languages == nullptr || *languages == '\0' ? "eng" : languages;
  if (!recognition.program.empty()) {
    check_recognition_languages(recognition.program, recognition.languages);
  }
  return recognition;
}

WordlessPages wordless_pages(const std::vector<DrawnPage>& drawn_pages, const std::string& folder,
                             const std::vector<bool>& lost) {
  WordlessPages wordless;
  for (const DrawnPage& drawn : drawn_pages) {
    if (drawn.visible_text || drawn.blank_background) continue;
    const int page = static_cast<int>(drawn.page);
    if (page < 1 || (page <= static_cast<int>(lost.size()) && lost[page - 1])) continue;
    // Text that the renderer saw nothing of, pdftohtml might still find.
    if (has_fragments(folder, page)) continue;
    if (drawn.invisible_text) {
      wordless.layered.push_back(page);
    } else if (drawn.scanned_picture) {
      wordless.scanned.push_back(page);
    } else if (drawn.coarse_picture) {
      wordless.coarse.push_back(page);
    }
  }
  return wordless;
}

namespace {

// Recognises `pages` of the document. Returns the words of each page that
// came out; `failed` gets the pages whose recognition failed, ran past its
// time or was over its size.
std::map<int, RecognizedPage> recognise_pages(const Conversion& conversion,
                                              const Recognition& recognition,
                                              const std::vector<int>& pages,
                                              std::vector<int>* failed) {
  const std::string& folder = conversion.folder;
  std::vector<ProcessJob> jobs;
  for (int page : pages) {
    jobs.push_back({{recognition.program, recognition.languages, as_operand(conversion.pdf_file),
                     std::to_string(page), as_operand(folder + "/" + recognised_text_file(page))},
                    {page, page},
                    recognised_text_file,
                    true});
  }
  const std::string of_pages = " of " + std::to_string(pages.size()) + " scanned pages";
  auto show = [&](int done) {
    console().show_progress("recognising: " + std::to_string(done) + of_pages);
  };
  show(0);
  run_process_jobs(jobs, core_count(), folder, show);
  console().show_progress("");
  std::map<int, RecognizedPage> recognised;
  for (int page : pages) {
    const std::string path = folder + "/" + recognised_text_file(page);
    std::string bytes;
    RecognizedPage words;
    if (read_whole_file(path, &bytes) && parse_recognized_page(bytes, &words)) {
      recognised.emplace(page, std::move(words));
    } else {
      failed->push_back(page);
    }
    delete_file(path);
    delete_file(partial_file(path));
  }
  return recognised;
}

}  // namespace

WordlessPageWords wordless_page_words(const Conversion& conversion, const Recognition& recognition,
                                      const std::vector<PageOutcome>& outcomes,
                                      const std::vector<DrawnPage>& drawn_pages) {
  WordlessPageWords words;
  std::vector<bool> lost;
  for (const PageOutcome& outcome : outcomes) lost.push_back(outcome.page_lost);
  const WordlessPages wordless = wordless_pages(drawn_pages, conversion.folder, lost);
  words.layered.insert(wordless.layered.begin(), wordless.layered.end());
  words.coarse_scans = wordless.coarse.size();
  if (wordless.scanned.empty()) return words;
  if (recognition.program.empty()) {
    words.unread_scans = wordless.scanned.size();
    return words;
  }
  words.recognised =
      recognise_pages(conversion, recognition, wordless.scanned, &words.unrecognised);
  // A recogniser whose writes were refused fails for every page alike.
  if (!words.unrecognised.empty()) fail_if_writes_refused(conversion.folder);
  return words;
}

void report_unread_pages(const Conversion& conversion, const WordlessPageWords& words) {
  const std::string& pdf_file = conversion.pdf_file;
  if (!words.unrecognised.empty()) {
    std::vector<bool> marked(conversion.page_count, false);
    for (int page : words.unrecognised) marked[page - 1] = true;
    std::cerr << "lexiweb: " << page_list(marked) << " of " << pdf_file
              << " could not be recognised; the site shows "
              << (words.unrecognised.size() == 1 ? "its scan" : "their scans") << " without words"
              << std::endl;
  }
  const size_t unread = words.unread_scans;
  if (unread > 0) {
    std::cerr << "lexiweb: " << unread << (unread == 1 ? " page" : " pages") << " of " << pdf_file
              << (unread == 1 ? " looks" : " look")
              << " scanned; installing tesseract-ocr would read " << (unread == 1 ? "its" : "their")
              << " words" << std::endl;
  }
  const size_t coarse = words.coarse_scans;
  if (coarse > 0) {
    std::cerr << "lexiweb: " << coarse << (coarse == 1 ? " page" : " pages") << " of " << pdf_file
              << (coarse == 1 ? " looks" : " look")
              << " scanned at under 72 pixels an inch, too coarse to read; the site shows "
              << (coarse == 1 ? "its scan" : "their scans") << " without words" << std::endl;
  }
}

}  // namespace lexiweb
