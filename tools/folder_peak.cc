// Runs a command and watches a working folder while it runs, for bench/run:
// the peak of the bytes of the files directly in the folder (a run's scratch
// files), and the peak of those together with the files of its subfolder
// htm_out (the site). Files named with --exclude (the input) are left out.
// The folder is read every millisecond, so that the short peak at the end of
// a merge, when a sort's input, its runs and its output all stand there,
// is seen; a sampling shell loop misses it.
//   folder_peak REPORT FOLDER [--exclude NAME]... -- COMMAND [ARGUMENT...]
// Writes "SCRATCH_PEAK TOTAL_PEAK" (bytes) to the file REPORT and exits with
// the command's exit status.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Bytes of the regular files directly in `folder`, but those in `excluded`.
uintmax_t file_bytes(const fs::path& folder, const std::set<std::string>& excluded = {}) {
  uintmax_t bytes = 0;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (excluded.count(it->path().filename().string())) continue;
    std::error_code stat_error;
    if (!it->is_regular_file(stat_error)) continue;
    const uintmax_t size = it->file_size(stat_error);
    if (!stat_error) bytes += size;  // a file removed meanwhile counts nothing
  }
  return bytes;
}

int usage() {
  std::fprintf(stderr,
               "usage: folder_peak REPORT FOLDER [--exclude NAME]... -- COMMAND [ARGUMENT...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return usage();
  const std::string report = argv[1];
  const fs::path folder = argv[2];
  std::set<std::string> excluded;
  int i = 3;
  for (; i < argc && std::string(argv[i]) != "--"; ++i) {
    if (std::string(argv[i]) != "--exclude" || i + 1 >= argc) return usage();
    excluded.insert(argv[++i]);
  }
  if (i + 1 >= argc) return usage();
  std::vector<char*> command(argv + i + 1, argv + argc);
  command.push_back(nullptr);

  const pid_t child = fork();
  if (child < 0) {
    std::perror("folder_peak: fork");
    return 1;
  }
  if (child == 0) {
    execvp(command[0], command.data());
    std::perror("folder_peak: cannot run the command");
    _exit(127);
  }
  uintmax_t scratch_peak = 0;
  uintmax_t total_peak = 0;
  auto measure = [&] {
    const uintmax_t scratch = file_bytes(folder, excluded);
    const uintmax_t total = scratch + file_bytes(folder / "htm_out");
    scratch_peak = std::max(scratch_peak, scratch);
    total_peak = std::max(total_peak, total);
  };
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    measure();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  measure();  // what the run left, which the last reading may have missed
  std::ofstream out(report);
  out << scratch_peak << ' ' << total_peak << '\n';
  out.close();
  if (!out) {
    std::fprintf(stderr, "folder_peak: cannot write %s\n", report.c_str());
    return 1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
