// lexiweb-pages WORKDIR [TARGET_SITE]: builds the site of htm_out from the
// converted pages in WORKDIR/htm_in without any dialogue, as lexiweb does after
// its conversion. For rebuilding a site from corrected pages, for tests and
// for benchmarks.
#include <unistd.h>

#include <string>

#include "cli/command_line.h"
#include "common/run_values.h"
#include "driver/console_helpers.h"
#include "driver/input_conversion.h"
#include "driver/run_driver.h"
#include "driver/scratch_files.h"
#include "driver/search_data.h"
#include "lexiweb_pages_help.h"  // written at build time from man/lexiweb-pages.1.in
#include "platform/ending_signals.h"
#include "shell/file_ops.h"
#include "shell/run_failure.h"

namespace {

constexpr char kProgram[] = "lexiweb-pages";

// A working folder that holds no converted pages: one line, exit status 1,
// and nothing of the folder removed.
[[noreturn]] void fail(const std::string& message) {
  throw lexiweb::RunEnding(1, std::string(kProgram) + ": " + message + "\n");
}

void build_site(const std::string& workdir, const char* target_site) {
  using namespace lexiweb;
  if (!folder_exists(workdir)) fail("no working folder " + workdir);
  if (chdir(workdir.c_str()) != 0) fail("cannot enter the working folder " + workdir);
  // Only now: the scratch files are those of the working folder.
  set_run_cleanup(delete_scratch_files);
  if (!folder_exists("htm_in")) fail("no folder htm_in in " + workdir);
  if (matching_files("htm_in", "*").empty()) fail("the folder htm_in in " + workdir + " is empty");
  if (!file_exists("htm_in/index.htm")) fail("htm_in in " + workdir + " has no index.htm");

  g_run.target_site = target_site;
  g_run.page_count = learn_converter_pages();
  if (g_run.page_count == 0) fail("htm_in/index.htm in " + workdir + " names no page");

  // The same fresh start as a lexiweb run: htm_out holds only this run's site.
  if (folder_exists("htm_out")) delete_matching("htm_out", "*");
  delete_search_data("htm_out");
  delete_stamped_files();
  build_site_from_converted_pages();
  print_with_number("words in *.pdf file =", g_run.word_count);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lexiweb;
  if (answer_help_or_version(argc, argv, kProgram, kLexiwebPagesHelp)) return 0;
  if (argc < 2 || argc > 3) return report_wrong_usage(kProgram, "expects WORKDIR [TARGET_SITE]");
  set_program_name(kProgram);
  handle_ending_signals();
  return run_to_its_end([&] { build_site(argv[1], argc == 3 ? argv[2] : ""); });
}
