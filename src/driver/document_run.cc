#include "driver/document_run.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "common/run_values.h"
#include "driver/input_conversion.h"
#include "driver/run_driver.h"
#include "shell/file_ops.h"
#include "shell/run_failure.h"

namespace lexiweb {

int run_document(const DocumentRun& run) {
  const std::string pdf = std::filesystem::absolute(run.pdf).string();
  std::error_code error;
  if (!std::filesystem::create_directory(run.working_folder, error)) {
    fail_write(run.working_folder, error ? error.value() : EEXIST);
  }
  if (chdir(run.working_folder.c_str()) != 0) fail_read(run.working_folder, errno);
  // Under its own name, as in a lexiweb run: a document without a title of
  // its own is called by it.
  const std::string copy = std::filesystem::path(pdf).filename().string();
  if (!copy_file(pdf, copy)) fail_read(run.pdf, ENOENT);

  g_run.target_site = run.target_site;
  g_run.library_page = run.library_page;
  g_run.page_count = convert_into_converter_folder(run.magnification, copy);
  if (g_run.page_count == 0) return 0;
  build_site_from_converted_pages(run.before_clean_up);
  return g_run.page_count;
}

}  // namespace lexiweb
