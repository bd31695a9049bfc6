// The process's own console. On a terminal a key is read at once, without
// Enter and without echo, and the terminal's settings come back on every way
// out, Ctrl-C included. From a pipe or a file each byte is a key and a line
// feed is Enter, so that a whole run can be scripted. Input that ends while
// the program waits for the user ends the run with a message and status 1.
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <mutex>

#include "platform/console.h"
#include "shell/run_failure.h"

namespace lexiweb {

namespace {

struct termios saved_settings;
bool settings_changed = false;
// Held while the settings change, so that a run ending on a signal in
// another thread cannot restore them while a key is being asked for.
std::mutex settings_lock;

void restore_settings() {
  if (settings_changed) {
    tcsetattr(STDIN_FILENO, TCSANOW, &saved_settings);
    settings_changed = false;
  }
}

void leave_key_mode() {
  std::lock_guard<std::mutex> hold(settings_lock);
  restore_settings();
}

void enter_key_mode() {
  std::lock_guard<std::mutex> hold(settings_lock);
  if (settings_changed) return;
  static bool hook_installed = false;
  if (tcgetattr(STDIN_FILENO, &saved_settings) != 0) return;
  if (!hook_installed) {
    std::atexit(leave_key_mode);
    hook_installed = true;
  }
  struct termios raw = saved_settings;
  raw.c_lflag &= ~(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  settings_changed = true;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

[[noreturn]] void input_ended() {
  leave_key_mode();
  throw RunEnding(1,
                  "\nlexiweb: standard input ended while the program was waiting for an answer; "
                  "the run stops here.\n");
}

// One byte of standard input; blocks until it arrives.
char read_byte() {
  char byte;
  for (;;) {
    ssize_t got = ::read(STDIN_FILENO, &byte, 1);
    if (got == 1) return byte;
    if (got < 0 && errno == EINTR) continue;
    input_ended();
  }
}

class TerminalConsole : public Console {
 public:
  TerminalConsole()
      : input_is_terminal_(isatty(STDIN_FILENO) != 0),
        output_is_terminal_(isatty(STDOUT_FILENO) != 0) {}

  char read_key() override {
    std::cout.flush();
    if (input_is_terminal_) enter_key_mode();
    char key = read_byte();
    // A CR LF pair from a scripted answer file is one Enter.
    if (key == '\n' && last_was_carriage_return_) key = read_byte();
    last_was_carriage_return_ = key == '\r';
    leave_key_mode();
    return (key == '\n' || key == '\r') ? kEnterKey : key;
  }

  std::string read_line() override {
    std::cout.flush();
    leave_key_mode();
    std::string line;
    for (;;) {
      char byte = read_byte();
      if (byte == '\n' && last_was_carriage_return_) {
        last_was_carriage_return_ = false;
        continue;
      }
      last_was_carriage_return_ = false;
      if (byte == '\n') break;
      if (byte == '\r') {
        last_was_carriage_return_ = true;
        break;
      }
      line.push_back(byte);
    }
    return line;
  }

  // Flushed at once: progress lines must show while the run works, also
  // when the output goes to a pipe.
  void write(std::string_view text) override { std::cout << text << std::flush; }

  void clear_screen() override {
    if (output_is_terminal_) std::cout << "\033[H\033[2J" << std::flush;
  }

  // Back to the start of the line, the text, and the rest of the line erased.
  void show_progress(std::string_view text) override {
    if (output_is_terminal_) std::cout << '\r' << text << "\033[K" << std::flush;
  }

 private:
  bool input_is_terminal_;
  bool output_is_terminal_;
  bool last_was_carriage_return_ = false;
};

Console* replacement_console = nullptr;

}  // namespace

Console& console() {
  static TerminalConsole own;
  return replacement_console != nullptr ? *replacement_console : own;
}

void set_console(Console* replacement) { replacement_console = replacement; }

void restore_terminal_for_good() {
  // Never unlocked: the process ends after this.
  settings_lock.lock();
  restore_settings();
}

}  // namespace lexiweb
