#include "driver/page_staging.h"

#include <array>
#include <string>

#include "common/run_values.h"
#include "common/text.h"
#include "driver/console_helpers.h"
#include "driver/scratch_files.h"
#include "platform/console.h"
#include "shell/character_code.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

std::string staged_page_name(int page) { return "w_" + std::to_string(page) + ".htm"; }

bool journal_reports_copy(const std::string& journal) {
  RecordReader in(journal);
  std::string_view line;
  while (in.read_line(&line)) {
    if (contains_ignoring_case(line, "file(s) copied")) return true;
  }
  return false;
}

// The character field of every byte value, made once: the character itself
// except for line feed, carriage return and double quote, which stand as
// their decimal codes.
struct CharacterFields {
  std::array<std::string, 256> text;
  CharacterFields() {
    for (int byte = 1; byte < 256; ++byte) {
      bool spelled = byte == 10 || byte == 13 || byte == 34;
      text[byte] = spelled ? std::to_string(byte) : std::string(1, static_cast<char>(byte));
    }
  }
};

// A 10-column position that counts up in place, without formatting each number anew.
class PositionCounter {
 public:
  PositionCounter() { text_.fill(' '); }
  void next() {
    int i = kWidth - 1;
    while (i >= 0 && text_[i] == '9') text_[i--] = '0';
    if (i < 0) return;  // beyond ten digits; no page is that large
    text_[i] = text_[i] == ' ' ? '1' : static_cast<char>(text_[i] + 1);
  }
  std::string_view text() const { return std::string_view(text_.data(), kWidth); }

 private:
  static constexpr int kWidth = 10;
  std::array<char, kWidth> text_;
};

}  // namespace

void prepare_staging() {
  print_line("----------------------------");
  print_line("processed 1%");
  list_subfolders("dir_cur.txt");
  // A folder is found by its whole name: htm_out_old is not htm_out.
  if (!listing_names_folder("dir_cur.txt", "htm_in")) make_folder("htm_in");
  if (!listing_names_folder("dir_cur.txt", "htm_out")) make_folder("htm_out");
  list_working_folder("out_null.list");
  delete_staged_pages();
}

void stage_pages() {
  for (int page = 1; page <= g_run.page_count; ++page) {
    std::string source = "htm_in/" + std::string(trim_trailing_blanks(page_stem(page))) + ".htm";
    std::string target = staged_page_name(page);
    delete_file(target);
    copy_file_with_journal(source, target, "out_zurnal.txt");
    if (!journal_reports_copy("out_zurnal.txt")) {
      print_line("---------------------------");
      print_line("Error on copy file(s)");
      print_line(source);
      type_file("out_zurnal.txt");
      end_run();
    }
  }
}

void write_character_list(int page_count, const std::string& list) {
  static const CharacterFields characters;
  delete_file(list);
  RecordWriter out(list);
  RecordReader page_file;
  char chunk[1 << 16];
  for (int page = 1; page <= page_count; ++page) {
    std::string page_text = right_aligned(page, 10);
    PositionCounter position;
    page_file.open(staged_page_name(page));
    size_t got;
    while ((got = page_file.read_bytes(chunk, sizeof chunk)) > 0) {
      for (size_t i = 0; i < got; ++i) {
        unsigned char byte = static_cast<unsigned char>(chunk[i]);
        if (byte == 0) continue;
        position.next();
        out.write_byte('"');
        out.write(code_field(byte));
        out.write("\",\"");
        out.write(page_text);
        out.write("\",\"");
        out.write(position.text());
        out.write("\",\"");
        out.write(characters.text[byte]);
        out.write("\"\r\n");
      }
    }
    page_file.close();
  }
}

}  // namespace lexiweb
