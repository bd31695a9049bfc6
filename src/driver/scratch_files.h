// Which files of the working folder are the run's own scratch files, so that
// removing them never touches a file the user keeps there.
#ifndef LEXIWEB_DRIVER_SCRATCH_FILES_H_
#define LEXIWEB_DRIVER_SCRATCH_FILES_H_

#include <cstddef>
#include <string_view>

namespace lexiweb {

// True when `name` is `prefix`, digits and `suffix`, with `digit_count`
// digits (any number when 0), letters compared without regard to case.
bool is_numbered(std::string_view name, std::string_view prefix, std::string_view suffix,
                 size_t digit_count = 0);

// A stamped capture name: f_YYYY_MM_DD_HH_MM_SS.txt.
bool is_stamped_file(std::string_view name);

// A staged page: w_ + page number + .htm.
bool is_staged_page(std::string_view name);

// Any scratch file a run writes into the working folder: the fixed names, the
// numbered families, the stamped captures, the staged pages and the pages
// written there before their copy into htm_out. Names match without regard
// to case. The .list files are not scratch files: they stay after a run.
bool is_scratch_file(std::string_view name);

// Deletes every scratch file of the working folder.
void delete_scratch_files();

// Deletes the stamped capture files of the working folder.
void delete_stamped_files();

// Deletes the staged pages of the working folder.
void delete_staged_pages();

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_SCRATCH_FILES_H_
