// The all-words page: every distinct word once, alphabetically, each linking
// to its first occurrence in the word index, with a promotion block after
// every 151 entries.
#include <string>

#include "common/page_heads.h"
#include "common/run_parameters.h"
#include "common/run_values.h"
#include "driver/final_pages.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"
#include "wordindex/occurrence_item.h"
#include "wordindex/page_head.h"

namespace lexiweb {

namespace {

// A block follows the entry that takes the count past this number.
constexpr int kEntriesBeforePromotion = 150;

// The entry's span id is the anchor that the index items link back to.
void append_entry(std::string& line, const Record& word) {
  line += "<li>";
  append_occurrence_link(line, word.field(all_words_record::kIndexPageStem),
                         word.field(all_words_record::kOccurrenceId),
                         word.field(all_words_record::kWord));
  line += "</li>\n";
}

}  // namespace

void write_all_words_page() {
  RecordWriter out(std::string(kOutputFolder) + g_run.all_words_page_file);
  write_standard_page_head(out, page_title(g_run.document.title, "all words"),
                           g_run.document.language);
  out.write_line("<h1>" + label(kIndexLabel) + "</h1>");
  out.write_line("<ul>\n");

  RecordReader words(kAllWordsFile);
  Record record;
  std::string line;
  int advert_counter = 0;
  while (words.read_record(&record)) {
    ++advert_counter;
    line.clear();
    append_entry(line, record);
    out.write_line(line);
    if (advert_counter > kEntriesBeforePromotion) {
      // A list holds only items: the block stands in one of its own.
      out.write_line("<li class=\"promotion\">");
      write_promotion_block(out);
      out.write_line("<br>");
      out.write_line("</li>");
      advert_counter = 0;
    }
  }
  words.close();

  out.write_line("</ul>\n");
  write_standard_page_end(out);
  out.close();
}

}  // namespace lexiweb
