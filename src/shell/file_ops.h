// The platform operations that the run needs on files and folders, done in
// process: deleting, copying, listing, finding, renaming. Operations whose
// result a later step reads back write the same capture files a command
// interpreter would have: listings, find results and the copy journal.
#ifndef LEXIWEB_SHELL_FILE_OPS_H_
#define LEXIWEB_SHELL_FILE_OPS_H_

#include <string>
#include <string_view>
#include <vector>

namespace lexiweb {

// True when `name` matches the wildcard `pattern` ("*" any run, "?" any one
// character), letters compared without regard to case.
bool matches_pattern(std::string_view name, std::string_view pattern);

// The names of the plain files of `folder` that match `pattern`, sorted.
std::vector<std::string> matching_files(const std::string& folder, std::string_view pattern);

// Deletes a file; a missing file is no error.
void delete_file(const std::string& path);

// Deletes every plain file of `folder` whose name matches `pattern`; sub-folders stay.
void delete_matching(const std::string& folder, std::string_view pattern);

// Byte copy of `source` over `target`; false when `source` is no plain file.
// A source that cannot be read or a target that cannot be written ends the
// run (run_failure.h).
bool copy_file(const std::string& source, const std::string& target);

// Copies and writes a journal: "        1 file(s) copied." when the copy was
// made, only the reason when `source` is no plain file.
void copy_file_with_journal(const std::string& source, const std::string& target,
                            const std::string& journal);

// Copies every file of `folder` that matches `pattern` into `target_folder`
// under its own name.
void copy_matching(const std::string& folder, std::string_view pattern,
                   const std::string& target_folder);

// Writes `bytes` as the whole of `path`; a failed write ends the run.
void write_whole_file(const std::string& path, std::string_view bytes);

// The whole of `path` into `bytes`; false when it cannot be opened or read,
// for files that other programs write and may have left out.
bool read_whole_file(const std::string& path, std::string* bytes);

bool file_exists(const std::string& path);
bool folder_exists(const std::string& path);
void make_folder(const std::string& path);
// Removes `path` once it is empty.
void remove_empty_folder(const std::string& path);

// Gives every file of `folder` ending in `old_ending` the ending `new_ending`.
void rename_endings(const std::string& folder, std::string_view old_ending,
                    std::string_view new_ending);

// A listing of the sub-folders of the working folder: a header, one line per
// sub-folder ending with its name, and a count line.
void list_subfolders(const std::string& capture);

// The names of the sub-folders of the working folder, one per line.
void list_subfolders_bare(const std::string& capture);

// True when a line of the listing `capture` names the sub-folder `folder`:
// the line, without trailing blanks and compared without regard to case, is
// the name or ends with a blank and the name. A folder whose name merely
// contains it (htm_out_old) does not count.
bool listing_names_folder(const std::string& capture, std::string_view folder);

// A bare listing: the names of the files of `folder` matching `pattern`, one
// per line, without path.
void list_bare(const std::string& folder, std::string_view pattern, const std::string& capture);

// A listing of the working folder, for the sink.
void list_working_folder(const std::string& capture);

// Writes a header line naming `file` and then every line of `file` that
// contains `text`, compared without regard to case.
void find_lines(std::string_view text, const std::string& file, const std::string& capture);

// Shows a file on the console.
void type_file(const std::string& path);

// The number of lines of `path` that are not empty once leading blanks are
// removed; a missing file has none.
int count_nonblank_lines(const std::string& path);

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_FILE_OPS_H_
