// lexiweb: turns the one PDF of pdf_in into a browsable, word-indexed web site in htm_out.
#include "cli/command_line.h"
#include "driver/run_driver.h"
#include "driver/scratch_files.h"
#include "lexiweb_help.h"  // written at build time from man/lexiweb.1.in
#include "platform/ending_signals.h"
#include "shell/run_failure.h"

int main(int argc, char** argv) {
  if (lexiweb::answer_help_or_version(argc, argv, "lexiweb", kLexiwebHelp)) return 0;
  // Checked before anything is shown or touched: a mistyped command changes nothing.
  if (argc > 1) {
    return lexiweb::report_wrong_usage("lexiweb",
                                       "takes no arguments; it converts the PDF in ./pdf_in");
  }
  lexiweb::handle_ending_signals();
  // The working folder is the current one from the start.
  lexiweb::set_run_cleanup(lexiweb::delete_scratch_files);
  return lexiweb::run_to_its_end(lexiweb::run_driver);
}
