// The console: a key at a time, a line after a prompt, text out, a cleared
// screen. Behind a narrow interface so that tests can stand in for it.
#ifndef LEXIWEB_PLATFORM_CONSOLE_H_
#define LEXIWEB_PLATFORM_CONSOLE_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The Enter key, as the keyboard delivers it.
inline constexpr char kEnterKey = 13;

class Console {
 public:
  virtual ~Console() = default;
  // Waits for one key. Enter is kEnterKey.
  virtual char read_key() = 0;
  // Reads one line typed by the user, without its line end.
  virtual std::string read_line() = 0;
  virtual void write(std::string_view text) = 0;
  virtual void clear_screen() = 0;
  // Shows `text` on the current line of a terminal in place of what the last
  // call showed there; empty text clears the line. Output that is no terminal
  // never gets it, so that piped console text stays the same.
  virtual void show_progress(std::string_view text) { (void)text; }
};

// The console in force: the process's terminal or pipes unless a test set another.
Console& console();
// Sets the console in force; nullptr restores the process's own.
void set_console(Console* replacement);

// Gives the terminal back its settings and keeps them: for a run that ends
// on a signal (ending_signals.h) while another thread may be asking for a key.
void restore_terminal_for_good();

// Writes the text and a line end.
inline void print_line(std::string_view text = {}) {
  console().write(text);
  console().write("\n");
}
inline void print(std::string_view text) { console().write(text); }

}  // namespace lexiweb

#endif  // LEXIWEB_PLATFORM_CONSOLE_H_
