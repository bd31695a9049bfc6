#include "driver/environment_checks.h"

#include <initializer_list>
#include <string_view>

#include "common/run_parameters.h"
#include "common/text.h"
#include "driver/console_helpers.h"
#include "driver/scratch_files.h"
#include "platform/console.h"
#include "platform/system_info.h"
#include "shell/external_sort.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

namespace {

constexpr std::string_view kSeparator = "----------------------------";
constexpr std::string_view kBothPrograms =
    "BOTH PROGRAMS MUST BE INSTALLED TOGETHER IN THEIR OWN FOLDER AND THE FILE (*.PDF) IN THE "
    "SUBFOLDER: PDF_IN";

// True when some line of `path`, lower-cased, contains `text`.
bool file_mentions(const std::string& path, std::string_view text) {
  RecordReader in(path);
  std::string_view line;
  while (in.read_line(&line)) {
    if (to_lower_ascii(line).find(text) != std::string::npos) return true;
  }
  return false;
}

// The management query: the operating system as a header line and a value line.
void capture_management_query(const std::string& capture) {
  std::string name = os_name();
  std::string version = os_version();
  RecordWriter out(capture);
  if (name.empty() && version.empty()) return;
  out.write_line("Caption  Version");
  out.write_line(name + "  " + version);
}

void show_tool_failure(std::initializer_list<std::string_view> lines) {
  print_line();
  print_line(kSeparator);
  for (std::string_view line : lines) print_line(line);
  key_menu({"<1> = continue and end"}, "1");
  end_run();
}

// Empties the sink with a fresh listing and removes the captures of the tests before.
void clear_tool_captures() {
  list_working_folder(kWorkingFolderListing);
  delete_matching("", kFolderCheckFiles);
}

void check_operating_system() {
  std::string name_capture = stamp_file_name();
  capture_system_information("os name", name_capture);
  bool unsupported_server = file_mentions(name_capture, "windows server");
  delete_file(name_capture);
  if (unsupported_server) {
    delete_stamped_files();
    std::string version_capture = stamp_file_name();
    capture_system_information("os version", version_capture);
    if (file_mentions(version_capture, "6.0.6001")) unsupported_server = false;
  }
  if (unsupported_server) {
    print_line();
    print_line(kSeparator);
    print_line("The program does not support the system = windows server");
    print_line();
    print_line("<...> any key for continue, end");
    wait_any_key();
    end_run();
  }
}

void check_tools() {
  print_line();
  print_line("cmd");
  list_subfolders(kFolderCheckFile);
  if (count_nonblank_lines(kFolderCheckFile) < 1) {
    show_tool_failure({"Checking for cmd.exe",
                       "It is probably necessary to set the system path to the program."});
  }

  print_line("wmic");
  capture_management_query(kFolderCheckFile);
  if (count_nonblank_lines(kFolderCheckFile) < 1) {
    show_tool_failure({"Checking for wmic.exe!",
                       "It is probably necessary to set the system path to the program."});
  }

  print_line("sort");
  clear_tool_captures();
  list_subfolders(kFolderCheckFile);
  sort_lines(kFolderCheckFile, kSortedFolderCheckFile, 1);
  if (count_nonblank_lines(kSortedFolderCheckFile) < 2) {
    show_tool_failure(
        {"Checking for sort.exe", "You probably need to set the system path to the program."});
  }

  print_line("find");
  clear_tool_captures();
  list_subfolders(kFolderCheckFile);
  find_lines("pdf_in", kFolderCheckFile, kSortedFolderCheckFile);
  if (count_nonblank_lines(kSortedFolderCheckFile) < 2) {
    show_tool_failure({"Checking for find.exe",
                       "It is most likely necessary to set the system path to the program.",
                       "The subfolder pdf_in may not exist or may be empty.", kBothPrograms});
  }
}

void show_font_advice() {
  print_line();
  print_line("--------- IMPORTANT ---------");
  print_line();
  print_line("FONT CONSOLAS OR LUCIDA CONSOLE MUST BE SELECTED IN THE PROGRAM EXECUTION WINDOW");
  print_line("Setting procedure (necessary for correct noise reduction):");
  print_line("- move the mouse to the center of the upper bold edge of the execution window;");
  print_line("- right click;");
  print_line("- select Properties from the drop-down menu;");
  print_line("- select the Font tab;");
  print_line("- in this tab the font Consolas or Lucida Console.");
  print_line();
  print_line("In the Layout tab, select the size of the runtime window.");
  print_line("Selected settings work when the program is restarted.");
  print_line();
  print_line("<...> any key to continue");
  wait_any_key();
}

void show_program_information() {
  print_line();
  print_line("Program to convert PDF to HTML: pdftohtml.exe, " +
             std::string(converter_home_address));
  print_line("Program: " + program_name());
  print_line("More information: " + std::string(program_info_address));
  print_line(kBothPrograms);
  print_line("During execution, the program creates and also deletes most *.txt and other files.");
  print_line();
  print_line(kSeparator);
  print_line();
  if (key_menu({"<1> continued", "<2> end"}, "12") == '2') end_run();
}

}  // namespace

void capture_system_information(const std::string& item, const std::string& capture) {
  RecordWriter out(capture);
  std::string name = os_name();
  std::string version = os_version();
  if (item == "os name" && !name.empty()) out.write_line("OS Name:                   " + name);
  if (item == "os version" && !version.empty()) {
    out.write_line("OS Version:                " + version);
  }
}

void run_environment_checks() {
  check_operating_system();
  check_tools();
  show_font_advice();
  show_program_information();
}

}  // namespace lexiweb
