// The running processes are waited for with SIGCHLD blocked and taken with
// sigtimedwait, so that the end of a process is seen at once while the page
// count is still looked at a few times a second. Their ids also stand in a
// table that a run ending on a signal reads, so that it leaves no process
// behind; a process is started and entered there under one lock, so that
// none can start unseen.
#include "shell/process_pool.h"

#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fstream>
#include <mutex>

#include "common/converter_files.h"
#include "shell/file_ops.h"
#include "shell/run_shell.h"

namespace lexiweb {
namespace {

// At most this many run at once, one for each place of the table below.
constexpr int kMostProcesses = 64;

// The ids of the running processes, 0 in free places.
pid_t running_ids[kMostProcesses];
// Held while a process is started and entered in running_ids; an ending run
// takes it and keeps it.
std::mutex starting;

void end_running_processes() {
  for (pid_t id : running_ids) {
    if (id > 0) kill(id, SIGTERM);
  }
}

struct RunningJob {
  pid_t id = 0;
  size_t job = 0;
  int place = 0;      // in running_ids
  int next_page = 0;  // the first page not yet seen written
};

std::string output_path(const std::string& folder, size_t job) {
  return folder + "/" + job_output_file(job);
}

// The last line with more than blanks in it, without its line end.
std::string last_line_of(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  std::string last;
  while (std::getline(in, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.pop_back();
    }
    if (line.find_first_not_of(" \t") != std::string::npos) last = line;
  }
  return last;
}

JobFailure failure_of(const RunningJob& running, int wait_status, const std::string& folder) {
  JobFailure failure;
  failure.job = running.job;
  if (WIFSIGNALED(wait_status)) {
    failure.signal = WTERMSIG(wait_status);
  } else {
    failure.exit_status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
  }
  failure.message = last_line_of(output_path(folder, running.job));
  return failure;
}

// Pages a running job has written: each process writes the pages of its
// range in order, so its count grows while the next page's file appears.
int pages_seen(RunningJob& running, const ProcessJob& job, const std::string& folder) {
  if (job.pages.first == 0 || job.written_file == nullptr) return 0;
  while (running.next_page <= job.pages.last &&
         file_exists(folder + "/" + job.written_file(running.next_page))) {
    ++running.next_page;
  }
  return running.next_page - job.pages.first;
}

int job_pages(const ProcessJob& job) {
  return job.pages.first == 0 ? 0 : job.pages.last - job.pages.first + 1;
}

void wait_until_one_ends(const sigset_t& child_ended) {
  const timespec quarter_second = {0, 250'000'000};
  sigtimedwait(&child_ended, nullptr, &quarter_second);
}

// The jobs while they run.
struct Pool {
  const std::vector<ProcessJob>& jobs;
  const std::string& folder;
  const JobWatch& watch;
  int processes = 1;
  std::vector<RunningJob> running;
  size_t next_job = 0;
  int pages_of_ended_jobs = 0;
  std::vector<JobFailure> failures;
  // Set once a program could not be started: the jobs still running are
  // then ended, and how they end tells nothing.
  bool stopped = false;
};

void start_jobs(Pool& pool) {
  while (pool.next_job < pool.jobs.size() &&
         static_cast<int>(pool.running.size()) < pool.processes) {
    const size_t job = pool.next_job;
    RunningJob started{0, job, 0, pool.jobs[job].pages.first};
    {
      std::lock_guard<std::mutex> hold(starting);
      while (running_ids[started.place] != 0) ++started.place;
      started.id = start_program(pool.jobs[job].arguments, output_path(pool.folder, job));
      if (started.id > 0) running_ids[started.place] = started.id;
    }
    if (started.id < 0 && pool.jobs[job].may_fail) {
      delete_file(output_path(pool.folder, job));
      ++pool.next_job;
      continue;
    }
    if (started.id < 0) {
      pool.failures.push_back(JobFailure{job, false, 0, 0, ""});
      pool.stopped = true;
      delete_file(output_path(pool.folder, job));
      end_running_processes();
      return;
    }
    pool.running.push_back(started);
    ++pool.next_job;
    if (pool.watch.started) pool.watch.started(job);
  }
}

// Takes the ended processes; once the pool has stopped, waits for all of them.
void take_ended_jobs(Pool& pool) {
  auto& running = pool.running;
  for (auto it = running.begin(); it != running.end();) {
    int status = 0;
    pid_t ended = waitpid(it->id, &status, pool.stopped ? 0 : WNOHANG);
    if (ended == 0 || (ended < 0 && errno == EINTR)) {
      ++it;
      continue;
    }
    {
      std::lock_guard<std::mutex> hold(starting);
      running_ids[it->place] = 0;
    }
    const bool succeeded = ended == it->id && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (succeeded) {
      pool.pages_of_ended_jobs += job_pages(pool.jobs[it->job]);
    } else if (!pool.stopped && !pool.jobs[it->job].may_fail) {
      pool.failures.push_back(failure_of(*it, status, pool.folder));
    }
    if (pool.watch.ended) pool.watch.ended(it->job, succeeded);
    delete_file(output_path(pool.folder, it->job));
    it = running.erase(it);
  }
}

int pages_so_far(Pool& pool) {
  int pages = pool.pages_of_ended_jobs;
  for (RunningJob& running : pool.running) {
    pages += pages_seen(running, pool.jobs[running.job], pool.folder);
  }
  return pages;
}

}  // namespace

std::vector<JobFailure> run_process_jobs(const std::vector<ProcessJob>& jobs, int processes,
                                         const std::string& folder,
                                         const std::function<void(int)>& pages_written,
                                         const JobWatch& watch) {
  Pool pool{jobs, folder, watch, std::clamp(processes, 1, kMostProcesses), {}, 0, 0, {}, false};
  sigset_t child_ended;
  sigemptyset(&child_ended);
  sigaddset(&child_ended, SIGCHLD);
  sigset_t saved_mask;
  sigprocmask(SIG_BLOCK, &child_ended, &saved_mask);
  int pages_shown = 0;
  for (;;) {
    // Ended processes first, so that their places are filled before the next wait.
    take_ended_jobs(pool);
    if (!pool.stopped) start_jobs(pool);
    if (pool.running.empty()) break;
    if (pool.stopped) continue;
    const int pages = pages_so_far(pool);
    if (pages > pages_shown) {
      pages_shown = pages;
      pages_written(pages);
    }
    wait_until_one_ends(child_ended);
  }
  sigprocmask(SIG_SETMASK, &saved_mask, nullptr);
  std::stable_sort(pool.failures.begin(), pool.failures.end(),
                   [](const JobFailure& a, const JobFailure& b) { return a.job < b.job; });
  return pool.failures;
}

void end_processes_for_good() {
  // Never unlocked: the process ends after this.
  starting.lock();
  end_running_processes();
}

}  // namespace lexiweb
