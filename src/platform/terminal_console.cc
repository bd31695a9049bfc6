// The process's own console. On a terminal a key is read at once, without
// Enter and without echo, and the terminal's settings come back on every way
// out, Ctrl-C included. From a pipe or a file each byte is a key and a line
// feed is Enter, so that a whole run can be scripted. Input that ends while
// the program waits for the user ends the run with a message and status 1.
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "platform/console.h"

namespace lexiweb {

namespace {

struct termios saved_settings;
volatile sig_atomic_t settings_changed = 0;

void restore_terminal() {
  if (settings_changed) {
    tcsetattr(STDIN_FILENO, TCSANOW, &saved_settings);
    settings_changed = 0;
  }
}

void restore_and_reraise(int signal_number) {
  restore_terminal();
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

void enter_key_mode() {
  if (settings_changed) return;
  static bool hooks_installed = false;
  if (tcgetattr(STDIN_FILENO, &saved_settings) != 0) return;
  if (!hooks_installed) {
    std::atexit(restore_terminal);
    for (int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
      ::signal(signal_number, restore_and_reraise);
    }
    hooks_installed = true;
  }
  struct termios raw = saved_settings;
  raw.c_lflag &= ~(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  settings_changed = 1;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

[[noreturn]] void input_ended() {
  restore_terminal();
  std::cout.flush();
  std::cerr << "\nlexiweb: standard input ended while the program was waiting for an answer; "
               "the run stops here.\n";
  std::exit(1);
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
    restore_terminal();
    return (key == '\n' || key == '\r') ? kEnterKey : key;
  }

  std::string read_line() override {
    std::cout.flush();
    restore_terminal();
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

}  // namespace lexiweb
