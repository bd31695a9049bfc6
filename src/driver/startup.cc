#include "driver/startup.h"

#include <string>

#include "common/run_parameters.h"
#include "driver/console_helpers.h"
#include "driver/scratch_files.h"
#include "driver/search_data.h"
#include "platform/console.h"
#include "shell/file_ops.h"
#include "shell/scratch_catalogue.h"
#include "typeset/font_folder.h"

namespace lexiweb {

void run_opening_sequence() {
  console().clear_screen();
  // Console code pages are a Windows matter: this console and every file the
  // run writes are plain bytes, so there is no code page to set here.
  print_line("==================================================================");
  print_line("PROGRAM INDEXES PDF FILE THROUGHOUT CONTENT AND CREATES HTML FILES");
  print_line(
      "FROM WHICH YOU CAN ACCESS THE INDEX OF ALL WORDS BY JUST DOUBLE CLICKING ON THE WORD.");
  print_line();
  print_line("Convert format from PDF to HTML using pdftohtml.exe (Open Source).");
  print_line("More information about the program at: " + std::string(converter_home_address));
  print_line("A format conversion program generates multiple HTML files from a single PDF file.");
  print_line("Then the indexing program processes the HTML files.");
  print_line();
  print_line(
      "BOTH PROGRAMS MUST BE INSTALLED TOGETHER IN THEIR OWN FOLDER AND THE FILE (*.PDF) IN THE "
      "SUBFOLDER: PDF_IN");
  print_line();
  print_line("<...> any key to continue");
  wait_any_key();

  print_line();
  print_line("Index program name:" + program_name());
  list_working_folder(kWorkingFolderListing);
  delete_matching("htm_out", "*");
  delete_matching(std::string("htm_out/") + kFontFolder, "*");
  remove_empty_folder(std::string("htm_out/") + kFontFolder);
  delete_search_data("htm_out");
  print_line();
  delete_stamped_files();
  delete_file(kSortCutFile);
}

}  // namespace lexiweb
