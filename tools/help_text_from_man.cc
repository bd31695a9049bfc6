// Writes a program's --help text as a C++ header, taken from its manual page
// so that the two cannot drift apart: the sections from SYNOPSIS up to the
// comment line "End of the --help text", as plain text, and a closing line
// that points at the manual page.
//
// Usage: help_text_from_man MANPAGE PROGRAM CONSTANT OUTPUT.h
//
// The manual page's source lines are kept as the help text's lines, so the
// help part of a page is written in short lines and in a small part of roff:
// .SH, .PP, .IP (a bullet item), .EX/.EE (an indented example), .RS/.RE, .br,
// .B and .I, and the escapes below. Anything else there stops the build.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char kEndMarker[] = ".\\\" End of the --help text";

std::string replace_all(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Roff escapes as plain text. "\e" comes last: the backslash it leaves must
// not start another escape.
std::string plain(std::string text) {
  const std::pair<const char*, const char*> escapes[] = {
      {"\\fB", ""},    {"\\fI", ""},   {"\\fR", ""},   {"\\fP", ""}, {"\\-", "-"}, {"\\(aq", "'"},
      {"\\(dq", "\""}, {"\\(ti", "~"}, {"\\(bu", "-"}, {"\\%", ""},  {"\\&", ""},  {"\\e", "\\"}};
  for (const auto& [from, to] : escapes) text = replace_all(text, from, to);
  return text;
}

// A macro's argument text without the macro name and the quotes around it.
std::string argument(const std::string& line) {
  size_t blank = line.find(' ');
  if (blank == std::string::npos) return "";
  std::string text = line.substr(blank + 1);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

std::string macro_name(const std::string& line) { return line.substr(0, line.find(' ')); }

// "PIPED ANSWERS" -> "Piped answers:"
std::string heading(const std::string& title) {
  std::string text = title;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] >= 'A' && text[i] <= 'Z') text[i] = static_cast<char>(text[i] - 'A' + 'a');
  }
  return text + ":";
}

class HelpWriter {
 public:
  explicit HelpWriter(std::string source) : source_(std::move(source)) {}

  // Takes one source line of the help part; false for markup it cannot write.
  bool take(const std::string& line) {
    if (line.rfind(".\\\"", 0) == 0) return true;
    if (line.empty() || line[0] != '.') {
      text_line(plain(line));
      return true;
    }
    const std::string name = macro_name(line);
    if (name == ".SH") {
      section_ = argument(line);
      item_ = false;
      if (section_ != "SYNOPSIS") blank_line();
      if (section_ != "SYNOPSIS" && section_ != "DESCRIPTION") lines_.push_back(heading(section_));
    } else if (name == ".PP") {
      item_ = false;
      blank_line();
    } else if (name == ".IP") {
      item_ = true;
      item_started_ = false;
    } else if (name == ".EX") {
      example_ = true;
    } else if (name == ".EE") {
      example_ = false;
    } else if (name == ".B" || name == ".I") {
      text_line(plain(argument(line)));
    } else if (name != ".br" && name != ".RS" && name != ".RE") {
      std::cerr << source_ << ": " << line << ": markup that the --help text cannot show\n";
      return false;
    }
    return true;
  }

  std::string text(const std::string& program) const {
    std::string all;
    for (const std::string& line : lines_) all += line + "\n";
    return all + "\nThe manual page tells more: man " + program + "\n";
  }

 private:
  void text_line(const std::string& line) {
    if (section_ == "SYNOPSIS") {
      lines_.push_back((synopsis_lines_++ == 0 ? "Usage: " : "       ") + line);
    } else if (example_) {
      lines_.push_back("  " + line);
    } else if (item_) {
      lines_.push_back((item_started_ ? "    " : "  - ") + line);
      item_started_ = true;
    } else {
      lines_.push_back(line);
    }
  }

  void blank_line() {
    if (!lines_.empty() && !lines_.back().empty()) lines_.push_back("");
  }

  std::string source_;
  std::vector<std::string> lines_;
  std::string section_;
  int synopsis_lines_ = 0;
  bool item_ = false;
  bool item_started_ = false;
  bool example_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: help_text_from_man MANPAGE PROGRAM CONSTANT OUTPUT.h\n";
    return 2;
  }
  const std::string manpage = argv[1], program = argv[2], constant = argv[3];
  std::ifstream in(manpage);
  if (!in) {
    std::cerr << manpage << ": cannot be read\n";
    return 1;
  }
  HelpWriter help(manpage);
  bool in_help = false, ended = false;
  for (std::string line; std::getline(in, line);) {
    if (line == ".SH SYNOPSIS") in_help = true;
    if (line.rfind(kEndMarker, 0) == 0) {
      ended = in_help;
      break;
    }
    if (in_help && !help.take(line)) return 1;
  }
  if (!ended) {
    std::cerr << manpage << ": no SYNOPSIS followed by the line \"" << kEndMarker << "\"\n";
    return 1;
  }

  std::ostringstream header;
  header << "// The --help text of " << program << ", written by help_text_from_man from\n"
         << "// its manual page " << manpage << ". Edit the manual page, not this file.\n"
         << "#pragma once\n\n"
         << "inline constexpr char " << constant << "[] = R\"help(" << help.text(program)
         << ")help\";\n";
  std::ofstream out(argv[4]);
  out << header.str();
  return out.good() ? 0 : 1;
}
