// Writes each output page from its head, its page text without the removed
// frame, and the navigation bar fixed at the bottom of the window.
#include "annotate/page_assembly.h"

#include <string>

#include "annotate/annotated_record.h"
#include "annotate/page_head.h"
#include "annotate/tag_classification.h"
#include "common/run_parameters.h"
#include "common/run_values.h"
#include "shell/character_code.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"

namespace lexiweb {

namespace {

// Page list record fields.
constexpr int kPage = 1;
constexpr int kPageNumber = 2;
constexpr int kStem = 3;

constexpr std::string_view kPageEnding = ".htm";

void append_link(std::string& line, std::string_view target, std::string_view label_text) {
  line += "<a href = \"";
  line += target;
  line += "\">";
  line += label_text;
  line += "</a>&nbsp ";
}

// The kept characters of the page text file, byte for byte.
void write_page_body(RecordWriter& out, std::string_view page) {
  RecordReader page_text(page_text_file(page));
  Record record;
  while (page_text.read_record(&record)) {
    int code = code_value(record.field(1));
    if (code > 0) out.write_byte(static_cast<char>(code));
  }
}

}  // namespace

void write_navigation_bar(RecordWriter& out, std::string_view previous_file,
                          std::string_view next_file) {
  out.write_line("<div style=\"position:fixed; bottom:0;\">");

  std::string line;
  append_link(line, g_run.contents_page_file, label(kContentsLabel));
  out.write_line(line);

  line.clear();
  if (!previous_file.empty()) append_link(line, previous_file, label(kPrevLabel));
  if (!next_file.empty()) append_link(line, next_file, label(kNextLabel));
  append_link(line, g_run.about_page_file, label(kSearchLabel));
  append_link(line, g_run.all_words_page_file, label(kIndexLabel));
  out.write_line(line);

  out.write_line("</body></HTML>");
}

void write_output_pages() {
  RecordReader entries("par_l_01.txt");
  // The copy of the list runs one entry ahead to name the next page.
  RecordReader following("par_l_02.txt");
  Record entry;
  Record next_entry;
  following.read_record(&next_entry);

  std::string previous_file;
  std::string page;
  std::string next_file;
  RecordWriter page_file;
  while (entries.read_record(&entry)) {
    std::string current_file(entry.field(kStem));
    current_file += kPageEnding;
    // The first page is its own previous page, which leaves out its prev link.
    if (previous_file.empty()) previous_file = current_file;
    page.assign(entry.field(kPage));
    next_file.clear();
    if (following.read_record(&next_entry)) {
      next_file.assign(next_entry.field(kStem));
      next_file += kPageEnding;
    }

    g_run.current_page_file = current_file;
    g_run.current_page_number.assign(entry.field(kPageNumber));
    delete_file(current_file);
    page_file.open(current_file);
    g_run.page_file_number = &page_file;

    write_page_head();
    write_page_body(page_file, page);
    write_navigation_bar(
        page_file, previous_file != current_file ? previous_file : std::string_view(), next_file);
    page_file.close();

    previous_file = current_file;
  }
  g_run.page_file_number = nullptr;
}

void publish_output_pages() {
  delete_matching("htm_out", "*.htm");
  RecordReader entries("par_l_01.txt");
  Record entry;
  std::string page_file;
  while (entries.read_record(&entry)) {
    page_file.assign(entry.field(kStem));
    page_file += kPageEnding;
    copy_file(page_file, "htm_out/" + page_file);
  }
}

}  // namespace lexiweb
