#include "driver/page_staging.h"

#include <string>

#include "common/run_values.h"
#include "common/text.h"
#include "driver/console_helpers.h"
#include "driver/scratch_files.h"
#include "platform/console.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"
#include "shell/staged_page.h"

namespace lexiweb {

namespace {

bool journal_reports_copy(const std::string& journal) {
  RecordReader in(journal);
  std::string_view line;
  while (in.read_line(&line)) {
    if (contains_ignoring_case(line, "file(s) copied")) return true;
  }
  return false;
}

}  // namespace

void prepare_staging() {
  print_line("----------------------------");
  print_line("processed 1%");
  list_subfolders(kStagingFoldersFile);
  // A folder is found by its whole name: htm_out_old is not htm_out.
  if (!listing_names_folder(kStagingFoldersFile, "htm_in")) make_folder("htm_in");
  if (!listing_names_folder(kStagingFoldersFile, "htm_out")) make_folder("htm_out");
  list_working_folder(kWorkingFolderListing);
  delete_staged_pages();
}

void stage_pages() {
  for (int page = 1; page <= g_run.page_count; ++page) {
    std::string source = "htm_in/" + std::string(trim_trailing_blanks(page_stem(page))) + ".htm";
    std::string target = staged_page_name(page);
    delete_file(target);
    copy_file_with_journal(source, target, kCopyJournalFile);
    if (!journal_reports_copy(kCopyJournalFile)) {
      print_line("---------------------------");
      print_line("Error on copy file(s)");
      print_line(source);
      type_file(kCopyJournalFile);
      end_run();
    }
  }
}

}  // namespace lexiweb
