// Ends a run on INT, TERM, HUP and QUIT: the processes it started are ended,
// the terminal gets its settings back, the run's scratch files are removed
// (run_failure.h) and the program exits with status 128 + the signal's
// number. The signals are taken by a thread of their own with sigwait, so
// that the clean-up runs as ordinary code rather than inside a handler.
#ifndef LEXIWEB_PLATFORM_ENDING_SIGNALS_H_
#define LEXIWEB_PLATFORM_ENDING_SIGNALS_H_

namespace lexiweb {

// Blocks the signals in every thread and starts the thread that waits for
// them. Called first thing in main, before any other thread starts. A signal
// the program was started with ignored (a run under nohup) stays ignored.
void handle_ending_signals();

}  // namespace lexiweb

#endif  // LEXIWEB_PLATFORM_ENDING_SIGNALS_H_
