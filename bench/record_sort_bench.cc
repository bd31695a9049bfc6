// Micro-benchmarks of the hot path: writing and reading character records
// and sorting them, on a character list of a few megabytes of page text.
// Run: build/lexiweb_bench (bench/run measures a whole run on a real PDF).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "driver/page_staging.h"
#include "shell/external_sort.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {
namespace {

namespace fs = std::filesystem;

// A working folder with one staged page of `bytes` bytes of HTML-like text.
class BenchFolder {
 public:
  explicit BenchFolder(size_t bytes) : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "lexiweb_bench_XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    fs::current_path(path_);
    RecordWriter page("w_1.htm");
    const std::string text = "<p style=\"top:12px\">Water runs &amp; rivers bend.</p>\r\n";
    for (size_t written = 0; written < bytes; written += text.size()) page.write(text);
  }
  ~BenchFolder() {
    fs::current_path(previous_);
    fs::remove_all(path_);
  }

 private:
  fs::path previous_;
  fs::path path_;
};

void BM_WriteCharacterList(benchmark::State& state) {
  BenchFolder folder(state.range(0));
  for (auto _ : state) write_character_list(1, "htm.txt");
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteCharacterList)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

void BM_ReadRecords(benchmark::State& state) {
  BenchFolder folder(state.range(0));
  write_character_list(1, "htm.txt");
  Record record;
  for (auto _ : state) {
    RecordReader in("htm.txt");
    size_t fields = 0;
    while (in.read_record(&record)) fields += record.size();
    benchmark::DoNotOptimize(fields);
  }
  state.SetBytesProcessed(state.iterations() * fs::file_size("htm.txt"));
}
BENCHMARK(BM_ReadRecords)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

// The character list (160 MB) sorted by code, as every run sorts it, with
// memory budgets of 64 MiB, the program's own and 4 MiB.
void BM_SortCharacterList(benchmark::State& state) {
  BenchFolder folder(4 << 20);
  write_character_list(1, "htm.txt");
  for (auto _ : state) sort_lines("htm.txt", "htms.txt", 1, state.range(0));
  state.SetBytesProcessed(state.iterations() * fs::file_size("htm.txt"));
}
BENCHMARK(BM_SortCharacterList)
    ->Arg(64 << 20)
    ->Arg(kSortMemoryBudget)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lexiweb

BENCHMARK_MAIN();
