#include "driver/run_driver.h"

#include <functional>
#include <string>

#include "common/run_parameters.h"
#include "common/run_values.h"
#include "driver/console_helpers.h"
#include "driver/environment_checks.h"
#include "driver/input_conversion.h"
#include "driver/page_staging.h"
#include "driver/scratch_files.h"
#include "driver/stage_chain.h"
#include "driver/startup.h"
#include "platform/console.h"
#include "shell/run_failure.h"

namespace lexiweb {

namespace {

void show_results() {
  print_line();
  print_line("============ RESULTS ============");
  print_with_number("words in *.pdf file =", g_run.word_count);
  print_line();
  print_line("view subfolder: htm_out");
  print_line("You can access the index of all words by double-clicking on any word.");
  print_line("details: " + std::string(details_address));
  print_line();
  print_line("<...> any key to continue and end");
  wait_any_key();
}

}  // namespace

void build_site_from_converted_pages(const std::function<void()>& before_clean_up) {
  prepare_staging();
  stage_pages();
  print_line("processed 10%");
  run_stage_chain();
  if (before_clean_up) before_clean_up();
  // Only the run's own scratch files go: a user's other .txt and .htm files stay.
  delete_scratch_files();
}

void run_driver() {
  run_opening_sequence();
  run_environment_checks();
  run_input_and_conversion();
  build_site_from_converted_pages();
  show_results();
}

int run_to_its_end(const std::function<void()>& run) {
  try {
    run();
  } catch (const RunFailure& failure) {
    return end_failed_run(failure);
  } catch (const RunEnding& early) {
    return end_run_early(early);
  }
  return 0;
}

}  // namespace lexiweb
