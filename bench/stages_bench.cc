// Micro-benchmarks of the hot paths: the page scan (tags and words), the
// sort of the word records, and the annotation and writing of the output
// pages, on a few megabytes of converter-like pages.
// Run: build/lexiweb_bench (bench/run measures whole runs on real PDFs).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "annotate/annotate_words.h"
#include "annotate/assemble_pages.h"
#include "common/run_values.h"
#include "scan/build_word_list.h"
#include "scan/extract_tags_and_words.h"
#include "shell/external_sort.h"
#include "shell/file_ops.h"
#include "shell/record_writer.h"
#include "shell/staged_page.h"

namespace lexiweb {
namespace {

namespace fs = std::filesystem;

constexpr int kPages = 200;
constexpr size_t kPageBytes = 20 << 10;

// A working folder with kPages staged pages of converter-like HTML, about
// 4 MB in all, and an empty htm_out.
class BenchFolder {
 public:
  BenchFolder() : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "lexiweb_bench_XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    fs::current_path(path_);
    make_folder("htm_out");
    for (int page = 1; page <= kPages; ++page) {
      RecordWriter out(staged_page_name(page));
      out.write("<!DOCTYPE html><html><head><title>Page</title><style>p{}</style></head><body>\r\n");
      const std::string line = "<p style=\"top:" + std::to_string(page) +
                               "px\">Water runs &amp; rivers bend, page " + std::to_string(page) +
                               " of the manual.</p>\r\n";
      for (size_t written = 0; written < kPageBytes; written += line.size()) out.write(line);
      out.write("</body></html>\r\n");
    }
    g_run.page_count = kPages;
  }
  ~BenchFolder() {
    fs::current_path(previous_);
    fs::remove_all(path_);
  }

 private:
  fs::path previous_;
  fs::path path_;
};

void BM_ExtractTagsAndWords(benchmark::State& state) {
  BenchFolder folder;
  for (auto _ : state) extract_tags_and_words();
  state.SetBytesProcessed(state.iterations() * kPages * kPageBytes);
}
BENCHMARK(BM_ExtractTagsAndWords)->Unit(benchmark::kMillisecond);

// The word records sorted by word, as the word list sorts them, with memory
// budgets of 64 MiB, the program's own and 4 MiB.
void BM_SortWordRecords(benchmark::State& state) {
  BenchFolder folder;
  extract_tags_and_words();
  for (auto _ : state) sort_lines("wrd_2.txt", "wrd_3.txt", 1, state.range(0));
  state.SetBytesProcessed(state.iterations() * fs::file_size("wrd_2.txt"));
}
BENCHMARK(BM_SortWordRecords)
    ->Arg(64 << 20)
    ->Arg(kSortMemoryBudget)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond);

void BM_AnnotateAndAssemblePages(benchmark::State& state) {
  BenchFolder folder;
  extract_tags_and_words();
  build_word_list();
  for (auto _ : state) {
    annotate_words();
    assemble_pages();
  }
  state.SetBytesProcessed(state.iterations() * kPages * kPageBytes);
}
BENCHMARK(BM_AnnotateAndAssemblePages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lexiweb

BENCHMARK_MAIN();
