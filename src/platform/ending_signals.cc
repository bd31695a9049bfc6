#include "platform/ending_signals.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

#include "platform/console.h"
#include "shell/process_pool.h"
#include "shell/run_failure.h"

namespace lexiweb {
namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

[[noreturn]] void end_on_signal(sigset_t signals) {
  int signal_number = 0;
  while (sigwait(&signals, &signal_number) != 0) {
  }
  // The processes first, since they go on writing; each step below also
  // keeps the main thread from undoing it.
  end_processes_for_good();
  restore_terminal_for_good();
  if (!clean_up_on_signal()) {
    // A refused write or read ends the run already, with its own status.
    for (;;) pause();
  }
  _exit(128 + signal_number);
}

}  // namespace

void handle_ending_signals() {
  sigset_t ending;
  sigemptyset(&ending);
  for (int signal_number : kEndingSignals) {
    struct sigaction current {};
    sigaction(signal_number, nullptr, &current);
    if (current.sa_handler != SIG_IGN) sigaddset(&ending, signal_number);
  }
  // The waiting thread starts with every signal blocked and so takes no
  // other: SIGCHLD must reach the thread that waits for the processes.
  sigset_t all;
  sigfillset(&all);
  sigset_t before;
  pthread_sigmask(SIG_SETMASK, &all, &before);
  std::thread(end_on_signal, ending).detach();
  sigset_t blocked = before;
  for (int signal_number : kEndingSignals) {
    if (sigismember(&ending, signal_number)) sigaddset(&blocked, signal_number);
  }
  pthread_sigmask(SIG_SETMASK, &blocked, nullptr);
}

}  // namespace lexiweb
