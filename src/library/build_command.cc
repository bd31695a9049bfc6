#include "library/build_command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <thread>

#include "common/text.h"
#include "library/document_id.h"
#include "library/document_record.h"
#include "library/folder_swap.h"
#include "library/library_files.h"
#include "library/library_lock.h"
#include "library/merge_command.h"
#include "shell/file_ops.h"
#include "shell/process_pool.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/run_failure.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace lexiweb {

namespace {

struct Source {
  std::string path;  // absolute
  std::string size;
  std::string modified;
  std::string id;
  bool convert = false;
  std::string status;  // converted, unchanged, failed
  std::string error;
  long pages = 0;
  long words = 0;
  double seconds = 0;
};

bool has_pdf_ending(const fs::path& path) {
  return to_lower_ascii(path.extension().string()) == ".pdf";
}

// What the last build learned of each source: path -> record.
std::map<std::string, std::vector<std::string>> read_known_sources(const std::string& library) {
  std::map<std::string, std::vector<std::string>> known;
  RecordReader in(library + "/" + kSourcesFile);
  Record record;
  while (in.read_record(&record)) {
    if (record.size() < source_record::kFieldCount) continue;
    known[std::string(record.field(source_record::kPath))] = {
        std::string(record.field(source_record::kSize)),
        std::string(record.field(source_record::kModified)),
        std::string(record.field(source_record::kId))};
  }
  return known;
}

void write_known_sources(const std::string& library, const std::vector<Source>& sources) {
  const std::string path = library + "/" + kSourcesFile;
  {
    RecordWriter out(path + ".new");
    for (const Source& source : sources) {
      if (source.id.empty() || source.status == "failed") continue;
      out.write_record({source.path, source.size, source.modified, source.id});
    }
    out.close();
  }
  if (::rename((path + ".new").c_str(), path.c_str()) != 0) fail_write(path, errno);
}

// Learns a source's id, by its size and time when the last build saw it
// unchanged, else by its content. False when it cannot be read.
bool learn_id(Source& source, const std::map<std::string, std::vector<std::string>>& known) {
  struct stat facts {};
  if (::stat(source.path.c_str(), &facts) != 0 || access(source.path.c_str(), R_OK) != 0) {
    return false;
  }
  source.size = std::to_string(facts.st_size);
  source.modified = std::to_string(static_cast<long long>(facts.st_mtim.tv_sec) * 1'000'000'000LL +
                                   facts.st_mtim.tv_nsec);
  const auto seen = known.find(source.path);
  if (seen != known.end() && seen->second[0] == source.size && seen->second[1] == source.modified) {
    source.id = seen->second[2];
  } else {
    source.id = document_id(source.path, content_hash(source.path));
  }
  return true;
}

// True when the document's folder holds a conversion with these options.
bool converted_already(const std::string& library, const Source& source,
                       const LibraryOptions& options, DocumentEntry* entry) {
  const std::string record =
      library + "/" + kDocumentsFolder + "/" + source.id + "/" + kDocumentRecordFile;
  return read_document_entry(record, entry) && entry->magnification == options.magnification &&
         entry->target_site == options.target_site;
}

std::string seconds_text(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", seconds);
  return text;
}

// The progress of the conversions: on a terminal one line overall and one
// for each running document, drawn again as they change; elsewhere a plain
// line for each document that ends.
class Progress {
 public:
  Progress(std::vector<Source>& sources, std::vector<size_t> jobs)
      : sources_(sources),
        jobs_(std::move(jobs)),
        terminal_(isatty(STDOUT_FILENO) == 1),
        start_(Clock::now()),
        started_(jobs_.size()) {}

  void started(size_t job) {
    started_[job] = Clock::now();
    running_.insert(job);
    draw();
  }

  void ended(size_t job, bool succeeded, const std::string& documents) {
    running_.erase(job);
    Source& source = sources_[jobs_[job]];
    source.seconds = std::chrono::duration<double>(Clock::now() - started_[job]).count();
    ++done_;
    if (succeeded) {
      DocumentEntry entry;
      read_document_entry(documents + "/" + source.id + "/" + kDocumentRecordFile, &entry);
      source.status = "converted";
      source.pages = entry.pages;
      source.words = entry.words;
      pages_ += entry.pages;
    } else {
      source.status = "failed";
    }
    if (!terminal_) {
      std::cout << (succeeded ? "converted " + source.id + ": " + std::to_string(source.pages) +
                                    " pages, " + seconds_text(source.seconds) + " s"
                              : "failed " + source.path)
                << "\n"
                << std::flush;
    }
    draw();
  }

  void finish() {
    if (!terminal_) return;
    clear();
    std::cout << overall() << "\n" << std::flush;
  }

 private:
  std::string overall() const {
    const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
    std::string line = "documents " + std::to_string(done_) + " of " + std::to_string(jobs_.size());
    if (elapsed > 0) line += ", " + seconds_text(pages_ / elapsed) + " pages/s";
    if (done_ > 0 && done_ < jobs_.size()) {
      const double left = elapsed / done_ * (jobs_.size() - done_);
      line += ", " + std::to_string(static_cast<long>(left + 0.5)) + " s left";
    }
    return line;
  }

  void clear() {
    if (drawn_lines_ > 0) std::cout << "\x1b[" << drawn_lines_ << "F\x1b[J";
    drawn_lines_ = 0;
  }

  void draw() {
    if (!terminal_) return;
    clear();
    std::cout << overall() << "\n";
    ++drawn_lines_;
    for (size_t job : running_) {
      std::cout << "  " << sources_[jobs_[job]].id << "\n";
      ++drawn_lines_;
    }
    std::cout << std::flush;
  }

  std::vector<Source>& sources_;
  std::vector<size_t> jobs_;  // job -> source
  bool terminal_;
  Clock::time_point start_;
  std::vector<Clock::time_point> started_;
  std::set<size_t> running_;
  size_t done_ = 0;
  long pages_ = 0;
  int drawn_lines_ = 0;
};

// The reason in a conversion's last line, "lexiweb-library: PDF: REASON".
std::string reason_of(const JobFailure& failure, const std::string& pdf) {
  const std::string prefix = "lexiweb-library: " + pdf + ": ";
  if (failure.message.starts_with(prefix)) return failure.message.substr(prefix.size());
  if (failure.signal != 0) return "conversion ended by signal " + std::to_string(failure.signal);
  std::string reason = "conversion failed with status " + std::to_string(failure.exit_status);
  if (!failure.message.empty()) reason += " (" + failure.message + ")";
  return reason;
}

// The ids of the documents of the library.
std::set<std::string> documents_in(const std::string& library) {
  std::set<std::string> ids;
  std::error_code error;
  const std::string folder = library + "/" + kDocumentsFolder;
  if (!folder_exists(folder)) return ids;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string id = entry.path().filename().string();
    if (entry.is_directory() && !id.starts_with('.')) ids.insert(id);
  }
  if (error) fail_read(folder, error.value());
  return ids;
}

void write_log(const std::string& path, const std::vector<Source>& sources,
               const std::set<std::string>& removed) {
  RecordWriter log(path);
  for (const Source& source : sources) {
    log.write("{\"id\":" + json_string(source.id) + ",\"source\":" + json_string(source.path) +
              ",\"pages\":" + std::to_string(source.pages) + ",\"words\":" +
              std::to_string(source.words) + ",\"seconds\":" + seconds_text(source.seconds) +
              ",\"status\":" + json_string(source.status) +
              ",\"error\":" + (source.error.empty() ? "null" : json_string(source.error)) + "}\n");
  }
  for (const std::string& id : removed) {
    log.write("{\"id\":" + json_string(id) +
              ",\"source\":null,\"pages\":0,\"words\":0,\"seconds\":0.00,\"status\":\"removed\","
              "\"error\":null}\n");
  }
  log.close();
}

}  // namespace

std::string json_string(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::vector<std::string> source_documents(const std::vector<std::string>& sources) {
  std::vector<std::string> documents;
  std::set<std::string> seen;
  auto add = [&](const fs::path& path) {
    const std::string absolute = fs::absolute(path).lexically_normal().string();
    if (seen.insert(absolute).second) documents.push_back(absolute);
  };
  for (const std::string& source : sources) {
    std::error_code error;
    if (fs::is_directory(source, error)) {
      std::vector<fs::path> found;
      for (const auto& entry : fs::recursive_directory_iterator(
               source, fs::directory_options::skip_permission_denied, error)) {
        if (entry.is_regular_file() && has_pdf_ending(entry.path())) found.push_back(entry.path());
      }
      std::sort(found.begin(), found.end());
      for (const fs::path& path : found) add(path);
    } else if (fs::exists(source, error)) {
      add(source);
    } else {
      throw RunEnding(2, "lexiweb-library: no such file or folder: " + source +
                             " (see lexiweb-library --help)\n");
    }
  }
  return documents;
}

int build_command(const std::string& library, const std::vector<std::string>& paths,
                  const BuildOptions& options) {
  std::vector<Source> sources;
  for (const std::string& path : source_documents(paths)) {
    sources.emplace_back();
    sources.back().path = path;
  }
  const auto known = read_known_sources(library);
  std::map<std::string, std::string> source_of_id;
  std::vector<size_t> jobs_of_sources;
  std::vector<ProcessJob> jobs;
  const std::string documents = library + "/" + kDocumentsFolder;
  // The conversions go into a folder of the run's own and move into the
  // library only once they have all ended: a run ended before that leaves
  // the library as it was.
  const std::string folder = library + "/" + kStateFolder + "/build-" + std::to_string(getpid());
  const std::string converted_documents = folder + "/" + kDocumentsFolder;
  for (size_t n = 0; n < sources.size(); ++n) {
    Source& source = sources[n];
    if (!learn_id(source, known)) {
      source.status = "failed";
      source.error = "cannot be read";
      continue;
    }
    // Two copies of one PDF are one document.
    if (!source_of_id.emplace(source.id, source.path).second) {
      source.status = "unchanged";
      continue;
    }
    DocumentEntry entry;
    if (converted_already(library, source, options.library, &entry)) {
      source.status = "unchanged";
      source.pages = entry.pages;
      source.words = entry.words;
      continue;
    }
    source.convert = true;
    jobs_of_sources.push_back(n);
    ProcessJob job;
    job.arguments = {options.program,
                     "convert",
                     "--magnification",
                     options.library.magnification,
                     "--site",
                     options.library.target_site,
                     as_operand(source.path),
                     converted_documents};
    jobs.push_back(job);
  }

  if (!jobs.empty()) {
    add_run_folder(folder);
    make_folder(folder);
    make_folder(converted_documents);
    Progress progress(sources, jobs_of_sources);
    JobWatch watch;
    watch.started = [&](size_t job) { progress.started(job); };
    watch.ended = [&](size_t job, bool succeeded) {
      progress.ended(job, succeeded, converted_documents);
    };
    const int processes = options.processes > 0
                              ? options.processes
                              : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const std::vector<JobFailure> failures = run_process_jobs(
        jobs, processes, folder, [](int) {}, watch);
    progress.finish();
    for (const JobFailure& failure : failures) {
      Source& source = sources[jobs_of_sources[failure.job]];
      source.status = "failed";
      source.error =
          failure.started ? reason_of(failure, source.path) : "cannot start " + options.program;
    }
    if (!folder_exists(documents)) make_folder(documents);
    for (size_t job : jobs_of_sources) {
      const Source& source = sources[job];
      if (source.status == "converted") {
        move_into_place(converted_documents + "/" + source.id, documents + "/" + source.id);
      }
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }

  long failed = 0;
  long converted = 0;
  for (Source& source : sources) {
    if (source.status == "failed") {
      ++failed;
      std::cerr << "lexiweb-library: " << source.path << ": " << source.error << std::endl;
    }
    if (source.status == "converted") ++converted;
  }
  std::set<std::string> wanted;
  for (const Source& source : sources) {
    if (source.status != "failed") wanted.insert(source.id);
  }
  std::set<std::string> removed;
  for (const std::string& id : documents_in(library)) {
    if (!wanted.count(id)) removed.insert(id);
  }

  const bool pages_there = file_exists(library + "/" + kFrontPage);
  MergeResult merged;
  if (converted > 0 || !removed.empty() || !pages_there) {
    merged = merge_library(library, removed);
  } else {
    merged.documents = static_cast<long>(wanted.size());
  }
  // The merged pages no longer name them: only now do they go.
  for (const std::string& id : removed) {
    const std::string leaving =
        library + "/" + kStateFolder + "/removed-" + std::to_string(getpid()) + "-" + id;
    add_run_folder(leaving);
    if (::rename((documents + "/" + id).c_str(), leaving.c_str()) != 0) {
      fail_write(documents + "/" + id, errno);
    }
    std::error_code ignored;
    fs::remove_all(leaving, ignored);
  }
  write_known_sources(library, sources);
  if (!options.log_file.empty()) write_log(options.log_file, sources, removed);

  std::cout << "lexiweb-library: " << merged.documents << " documents in " << library << ": "
            << converted << " converted, " << failed << " failed, " << removed.size()
            << " removed; " << merged.pages.changed << " library pages written ("
            << merged.pages.bytes << " bytes), " << merged.pages.removed << " removed" << std::endl;
  if (merged.documents == 0) {
    std::cerr << "lexiweb-library: no document could be put into " << library << std::endl;
    return 1;
  }
  return failed > 0 ? kDocumentFaultStatus : 0;
}

}  // namespace lexiweb
