#include "shell/external_sort.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <queue>
#include <string_view>
#include <vector>

#include "common/run_values.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

namespace {

// Runs merged at once; more runs are merged in several rounds so that the
// read buffers stay within bounds.
constexpr size_t kMergeFanIn = 16;

struct FoldTable {
  std::array<unsigned char, 256> byte;
  FoldTable() {
    for (int c = 0; c < 256; ++c)
      byte[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  }
};
const FoldTable kFold;

// Negative, zero or positive as `a` sorts before, with or after `b`. Equal
// bytes are equal folded too, so runs of equal bytes are skipped eight at a
// time: the records share long fixed-width prefixes.
int compare_keys(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  size_t i = 0;
  while (i < common) {
    while (i + sizeof(uint64_t) <= common &&
           std::memcmp(a.data() + i, b.data() + i, sizeof(uint64_t)) == 0) {
      i += sizeof(uint64_t);
    }
    while (i < common && a[i] == b[i]) ++i;
    if (i == common) break;
    unsigned char x = kFold.byte[static_cast<unsigned char>(a[i])];
    unsigned char y = kFold.byte[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y ? -1 : 1;
    ++i;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string_view key_of(std::string_view line, size_t key_column) {
  size_t skip = key_column > 0 ? key_column - 1 : 0;
  return skip >= line.size() ? std::string_view() : line.substr(skip);
}

std::string run_file_name(int number) {
  return std::string(kSortRunPrefix) + std::to_string(number) + std::string(kSortRunSuffix);
}

// Lines of one run, held in one block of text.
class RunBuffer {
 public:
  explicit RunBuffer(size_t budget)
      : text_(new char[std::max(budget, kLongestSortedLine)]),
        capacity_(std::max(budget, kLongestSortedLine)) {}

  // The line index counts against the budget too, twice over for the
  // stable sort's scratch space, so that short lines cannot outgrow it.
  bool fits(size_t length) const {
    return used_ + length + 2 * sizeof(Line) * (lines_.size() + 1) <= capacity_;
  }
  bool empty() const { return lines_.empty(); }

  void add(std::string_view line) {
    std::char_traits<char>::copy(text_.get() + used_, line.data(), line.size());
    lines_.push_back({static_cast<uint32_t>(used_), static_cast<uint32_t>(line.size())});
    used_ += line.size();
  }

  void sort(size_t key_column) {
    std::stable_sort(lines_.begin(), lines_.end(), [&](const Line& a, const Line& b) {
      return compare_keys(key_of(view(a), key_column), key_of(view(b), key_column)) < 0;
    });
  }

  void write_to(const std::string& path) {
    RecordWriter out(path);
    for (const Line& line : lines_) out.write_line(view(line));
    out.close();
    lines_.clear();
    used_ = 0;
  }

 private:
  struct Line {
    uint32_t offset;
    uint32_t length;
  };
  std::string_view view(const Line& line) const {
    return std::string_view(text_.get() + line.offset, line.length);
  }

  std::unique_ptr<char[]> text_;
  size_t capacity_;
  size_t used_ = 0;
  std::vector<Line> lines_;
};

// Merges the sorted `runs` into `output`; on equal keys the earlier run wins,
// which keeps the input order since runs hold consecutive stretches of input.
void merge_runs(const std::vector<std::string>& runs, const std::string& output,
                size_t key_column) {
  std::vector<std::unique_ptr<RecordReader>> readers;
  std::vector<std::string_view> current(runs.size());
  for (const std::string& run : runs) readers.push_back(std::make_unique<RecordReader>(run));

  auto later = [&](size_t a, size_t b) {
    int order = compare_keys(key_of(current[a], key_column), key_of(current[b], key_column));
    return order != 0 ? order > 0 : a > b;
  };
  std::priority_queue<size_t, std::vector<size_t>, decltype(later)> heads(later);
  for (size_t i = 0; i < runs.size(); ++i) {
    if (readers[i]->read_line(&current[i])) heads.push(i);
  }
  RecordWriter out(output);
  while (!heads.empty()) {
    size_t i = heads.top();
    heads.pop();
    out.write_line(current[i]);
    if (readers[i]->read_line(&current[i])) heads.push(i);
  }
  out.close();
}

}  // namespace

// Sorts and reports the length of the longest input line.
static size_t sort_lines_measured(const std::string& input, const std::string& output,
                                  size_t key_column, size_t memory_budget) {
  RecordReader in(input);
  RunBuffer buffer(memory_budget);
  std::vector<std::string> runs;
  size_t longest = 0;
  std::string_view line;
  while (in.read_line(&line)) {
    longest = std::max(longest, line.size());
    if (line.size() > kLongestSortedLine) line = line.substr(0, kLongestSortedLine);
    if (!buffer.fits(line.size())) {
      buffer.sort(key_column);
      runs.push_back(run_file_name(static_cast<int>(runs.size()) + 1));
      buffer.write_to(runs.back());
    }
    buffer.add(line);
  }
  in.close();
  buffer.sort(key_column);
  if (runs.empty()) {
    buffer.write_to(output);
    return longest;
  }
  if (!buffer.empty()) {
    runs.push_back(run_file_name(static_cast<int>(runs.size()) + 1));
    buffer.write_to(runs.back());
  }
  int next_run = static_cast<int>(runs.size()) + 1;
  while (runs.size() > kMergeFanIn) {
    std::vector<std::string> merged;
    for (size_t first = 0; first < runs.size(); first += kMergeFanIn) {
      std::vector<std::string> group(runs.begin() + first,
                                     runs.begin() + std::min(runs.size(), first + kMergeFanIn));
      merged.push_back(run_file_name(next_run++));
      merge_runs(group, merged.back(), key_column);
      for (const std::string& run : group) delete_file(run);
    }
    runs = std::move(merged);
  }
  merge_runs(runs, output, key_column);
  for (const std::string& run : runs) delete_file(run);
  return longest;
}

void sort_lines(const std::string& input, const std::string& output, size_t key_column,
                size_t memory_budget) {
  sort_lines_measured(input, output, key_column, memory_budget);
}

void external_sort(const std::string& input, const std::string& output, int field_count,
                   int key_field) {
  g_run.sort_input = input;
  g_run.sort_output = output;
  g_run.sort_field_count = field_count;
  g_run.sort_key_field = key_field;
  external_sort();
}

void external_sort() {
  RunValues& run = g_run;
  for (std::string& field : run.sort_fields) field.clear();
  size_t key_column = 1;
  {
    RecordReader in(run.sort_input);
    Record first;
    in.read_record(&first);
    for (int n = 1; n <= run.sort_field_count && n <= 10; ++n) {
      run.sort_fields[n] = std::string(first.field(n));
    }
    if (run.sort_key_field > 1) {
      key_column = 2;
      for (int n = 1; n < run.sort_key_field && n <= 10; ++n) {
        key_column += run.sort_fields[n].size() + 3;
      }
    }
  }
  size_t longest =
      sort_lines_measured(run.sort_input, run.sort_output, key_column, kSortMemoryBudget);
  if (longest > kLongestSortedLine) {
    // The input itself keeps the cut lines, as the sort saw them.
    {
      RecordReader in(run.sort_input);
      RecordWriter cut(kSortCutFile);
      std::string_view line;
      while (in.read_line(&line)) cut.write_line(line.substr(0, kLongestSortedLine));
    }
    copy_file(kSortCutFile, run.sort_input);
  }
}

}  // namespace lexiweb
