// Sorts a record file of the working folder into another file by the text of
// each line from a key column to its end, ASCII letters compared without
// regard to case. Lines with equal keys keep their input order. Memory stays
// bounded: a long input is sorted in runs spilled to scratch files and merged.
#ifndef LEXIWEB_SHELL_EXTERNAL_SORT_H_
#define LEXIWEB_SHELL_EXTERNAL_SORT_H_

#include <cstddef>
#include <string>

namespace lexiweb {

// Lines longer than this reach the sort cut to this length.
inline constexpr size_t kLongestSortedLine = 4000;

// At most this many bytes of lines are held in memory at once.
inline constexpr size_t kSortMemoryBudget = 16 << 20;

// Sorts g_run.sort_input into g_run.sort_output with the key starting at
// field g_run.sort_key_field of the records, after cutting over-long lines of
// the input in place. Fills g_run.sort_fields with the first record.
void external_sort();

// Sets the sort parameters to these values and runs external_sort().
void external_sort(const std::string& input, const std::string& output, int field_count,
                   int key_field);

// Writes the lines of `input` to `output` in ascending order of their text
// from the 1-based `key_column` to the end of the line; each output line ends
// with CR LF. A missing input gives an empty output.
void sort_lines(const std::string& input, const std::string& output, size_t key_column,
                size_t memory_budget = kSortMemoryBudget);

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_EXTERNAL_SORT_H_
