#include "library/convert_command.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>

#include "common/run_values.h"
#include "common/text.h"
#include "driver/document_run.h"
#include "library/document_id.h"
#include "library/document_record.h"
#include "library/folder_swap.h"
#include "library/library_files.h"
#include "platform/console.h"
#include "shell/file_ops.h"
#include "shell/process_pool.h"
#include "shell/run_failure.h"
#include "shell/run_shell.h"

namespace fs = std::filesystem;

namespace lexiweb {

namespace {

// Keeps the run's console lines from the screen, remembering the last one:
// when the converter gives up, it is the reason.
class QuietConsole : public Console {
 public:
  char read_key() override { throw RunEnding(1, "lexiweb-library: no question can be answered\n"); }
  std::string read_line() override { return read_key(), std::string(); }
  void write(std::string_view text) override {
    for (char c : text) {
      if (c != '\n') {
        line_ += c;
      } else if (!line_.empty()) {
        last_line_ = line_;
        line_.clear();
      }
    }
  }
  void clear_screen() override {}
  const std::string& last_line() const { return last_line_; }

 private:
  std::string line_;
  std::string last_line_;
};

// The folder a conversion works in, removed when the run ends on a signal.
std::string working_folder;

void remove_working_folder() {
  std::error_code ignored;
  fs::remove_all(working_folder, ignored);
}

// True when the file's first kilobyte holds the PDF header, as poppler looks for it.
bool looks_like_pdf(const std::string& path) {
  std::string head(1024, '\0');
  FILE* file = fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  head.resize(fread(head.data(), 1, head.size(), file));
  fclose(file);
  return head.find("%PDF-") != std::string::npos;
}

// What pdfinfo says of the PDF, its error lines included.
std::string pdfinfo_report(const std::string& pdf) {
  constexpr char kReport[] = "pdfinfo.txt";
  const pid_t id = start_program({"pdfinfo", as_operand(pdf)}, kReport);
  int status = 0;
  if (id > 0) {
    while (waitpid(id, &status, 0) < 0 && errno == EINTR) {
    }
  }
  std::string report;
  read_whole_file(kReport, &report);
  return report;
}

// Why the converter gave no page: pdftohtml says only that it could not
// open the document, pdfinfo says why.
std::string fault_reason(const std::string& pdf, const std::string& converter_line) {
  if (!looks_like_pdf(pdf)) return "not a PDF";
  const std::string report = pdfinfo_report(pdf);
  if (report.find("Incorrect password") != std::string::npos) return "protected by a password";
  const size_t pages = report.find("Pages:");
  if (report.find("Invalid page count 0") != std::string::npos ||
      (pages != std::string::npos && whole_value(report.substr(pages + 6, 20)) == 0) ||
      converter_line.find("wrote no pages") != std::string::npos) {
    return "converts to no page";
  }
  return "damaged beyond reading";
}

int report_fault(const std::string& pdf, const std::string& reason) {
  std::cout.flush();
  std::cerr << "lexiweb-library: " << pdf << ": " << reason << std::endl;
  return kDocumentFaultStatus;
}

}  // namespace

int convert_command(const std::string& pdf, const std::string& documents_folder,
                    const LibraryOptions& options) {
  std::error_code error;
  if (!fs::is_regular_file(pdf, error)) return report_fault(pdf, "no such file");
  if (!fs::is_directory(documents_folder, error)) {
    fs::create_directories(documents_folder, error);
    if (error) fail_write(documents_folder, error.value());
  }
  const std::string documents = fs::absolute(documents_folder).lexically_normal().string();
  DocumentEntry entry;
  entry.id = document_id(pdf, content_hash(pdf));
  entry.magnification = options.magnification;
  entry.target_site = options.target_site;

  working_folder = documents + "/.convert-" + entry.id + "-" + std::to_string(getpid());
  set_run_cleanup(remove_working_folder);
  QuietConsole quiet;
  set_console(&quiet);
  DocumentRun run;
  run.working_folder = working_folder;
  run.pdf = fs::absolute(pdf).string();
  run.magnification = options.magnification;
  run.target_site = options.target_site;
  // From LIBRARY/documents/ID/.
  run.library_page = std::string("../../") + kFrontPage;
  run.before_clean_up = [&] {
    entry.pages = g_run.page_count;
    entry.words = g_run.word_count;
    entry.contents_page = g_run.contents_page_file;
    learn_document_facts(&entry);
    write_library_words(std::string("htm_out/") + kWordRecordFile);
    write_document_entry(std::string("htm_out/") + kDocumentRecordFile, entry);
  };
  const int pages = run_document(run);
  set_console(nullptr);
  if (pages == 0) {
    const std::string reason = fault_reason(run.pdf, quiet.last_line());
    remove_working_folder();
    return report_fault(pdf, reason);
  }
  move_into_place(working_folder + "/htm_out", documents + "/" + entry.id);
  remove_working_folder();
  return 0;
}

}  // namespace lexiweb
