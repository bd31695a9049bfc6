#include "driver/input_conversion.h"

#include <string>

#include "common/run_parameters.h"
#include "common/run_values.h"
#include "common/text.h"
#include "convert/converter.h"
#include "driver/console_helpers.h"
#include "driver/document_facts_reading.h"
#include "platform/console.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"
#include "typeset/font_folder.h"

namespace lexiweb {

namespace {

constexpr std::string_view kSeparator = "----------------------------";
constexpr std::string_view kDefaultMagnification = "1.5";

[[noreturn]] void end_at_stop_screen() {
  key_menu({"<1> = continue and end"}, "1");
  end_run();
}

// The bare name of the one PDF of pdf_in; ends the run when there is none or
// more than one.
std::string find_pdf() {
  list_bare("pdf_in", "*.pdf", kPdfListingFile);
  int count = 0;
  std::string pdf_name;
  RecordReader listing(kPdfListingFile);
  std::string_view line;
  while (listing.read_line(&line)) {
    // Any case of the ending counts: poppler converts REPORT.PDF as well as report.pdf.
    if (!contains_ignoring_case(line, ".pdf")) continue;
    ++count;
    pdf_name = std::string(trim_blanks(line));
  }
  listing.close();
  if (count == 0) {
    print_line();
    print_line(kSeparator);
    print_line("Subfolder pdf_in is empty");
    print_line();
    end_at_stop_screen();
  }
  if (count > 1) {
    print_line();
    for (const std::string& name : matching_files("pdf_in", "*.pdf")) print_line(name);
    print_line();
    print_line(kSeparator);
    print_with_number("number of files in subfolder pdf_in =", count);
    print_line("this subfolder may contain only one (1) *.pdf file");
    print_line();
    end_at_stop_screen();
  }
  print_line();
  print_line("file in subfolder pdf_in = " + pdf_name);
  return pdf_name;
}

// Removes the converter's folder of an earlier run.
void clear_converter_folder() {
  list_subfolders_bare(kInputFoldersFile);
  if (!listing_names_folder(kInputFoldersFile, "htm_in")) return;
  list_working_folder(kConverterFolderListing);
  delete_matching("htm_in", "*");
  delete_matching(std::string("htm_in/") + kFontFolder, "*");
  remove_empty_folder(std::string("htm_in/") + kFontFolder);
  remove_empty_folder("htm_in");
}

std::string ask_magnification() {
  print_line(kSeparator);
  print_line("As a rule, the width of the output *.htm file must be increased");
  print_line();
  const std::string accepted{'1', kEnterKey, '2', '3'};
  char key = key_menu(
      {"<1> or <enter> predefined value = 1.5", "<2> = new selection", "<3> = end of program"},
      accepted);
  if (key == '3') end_run();
  if (key != '2') return std::string(kDefaultMagnification);
  return magnification_for_answer(
      read_prompt_item("magnification factor, mandatory with decimal point ="));
}

std::string ask_target_site() {
  print_line();
  print_line(kSeparator);
  print_line("The program allows targeted search.");
  print_line("Google search phrases will be targeted to a specific web address.");
  print_line(
      "If the destination web address is not specified, Google search will run all over the "
      "web.");
  return read_prompt_item("Target web address (example: " + std::string(example_target_site) +
                          ") =");
}

// Writes the converter pages listing from the converter's index and returns the page count.
int write_page_list() {
  RecordReader index("htm_in/index.htm");
  RecordWriter list(kConverterPagesListing);
  int count = 0;
  std::string_view line;
  while (index.read_line(&line)) {
    std::string entry = page_entry_of_index_line(line);
    if (entry.empty()) continue;
    list.write_line(entry);
    ++count;
  }
  return count;
}

void read_page_stems(int page_count) {
  g_run.page_stems.assign(page_count + 1, "");
  RecordReader list(kConverterPagesListing);
  std::string_view line;
  int next = 1;
  while (next <= page_count && list.read_line(&line)) {
    std::string lower = to_lower_ascii(line);
    size_t ending = lower.find(".htm");
    if (ending == std::string::npos) continue;
    g_run.page_stems[next++] = std::string(line.substr(0, ending));
  }
}

}  // namespace

std::string page_entry_of_index_line(std::string_view line) {
  size_t p = line.find("page");
  if (p == std::string_view::npos) return "";
  size_t d = line.find('.');
  if (d == std::string_view::npos || line.find("htm") == std::string_view::npos) return "";
  // The entry runs from "page" through the first ".", whatever stands between.
  long length = static_cast<long>(d) - static_cast<long>(p) + 1;
  if (length < 0) return std::string(line.substr(p)) + "htm";
  return std::string(line.substr(p, length)) + "htm";
}

int learn_converter_pages() {
  int page_count = write_page_list();
  read_page_stems(page_count);
  g_run.page_count = page_count;
  g_run.document = read_document_facts();
  return page_count;
}

int convert_into_converter_folder(const std::string& magnification, const std::string& pdf_file) {
  run_converter(magnification, pdf_file, "htm_in");
  rename_endings("htm_in", ".html", ".htm");
  return learn_converter_pages();
}

std::string magnification_for_answer(const std::string& answer) {
  return numeric_value(trim_blanks(answer)) == 0 ? std::string(kDefaultMagnification) : answer;
}

void run_input_and_conversion() {
  std::string pdf_name = find_pdf();
  clear_converter_folder();
  if (copy_file("pdf_in/" + pdf_name, pdf_name)) {
    print_line("        1 file(s) copied.");
  } else {
    print_line("The file pdf_in/" + pdf_name + " could not be copied.");
  }
  std::string magnification = ask_magnification();
  g_run.target_site = ask_target_site();
  print_line();
  print_line("===============================================");
  print_line("Please wait, convert from PDF to HTML, indexing");
  print_line();

  g_run.page_count = convert_into_converter_folder(magnification, pdf_name);
  print_line();
  print_with_number("number of *.htm files =", g_run.page_count);
  if (g_run.page_count == 0) {
    print_line();
    print_line(kSeparator);
    print_line("Subfolder htm_in is empty");
    print_line();
    end_at_stop_screen();
  }
}

}  // namespace lexiweb
