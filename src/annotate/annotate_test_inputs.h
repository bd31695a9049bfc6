// Test inputs of the annotation stages, built by hand in the record forms the
// scan stages write: the page character list (as the scan tests write it),
// the tag records and the occurrence files.
#ifndef LEXIWEB_ANNOTATE_ANNOTATE_TEST_INPUTS_H_
#define LEXIWEB_ANNOTATE_ANNOTATE_TEST_INPUTS_H_

#include <algorithm>
#include <string>
#include <vector>

#include "common/identifiers.h"
#include "scan/character_list_for_tests.h"
#include "testing/working_folder.h"

namespace lexiweb::testing {

// htm_el_2.txt for the pages: one record per tag, its text with double quotes
// and apostrophes as blanks, line feeds left out, cut to 59 characters.
inline std::string tag_records(const std::vector<std::string>& pages) {
  std::string records;
  for (size_t i = 0; i < pages.size(); ++i) {
    const std::string& page = pages[i];
    size_t open = page.find('<');
    while (open != std::string::npos) {
      size_t close = page.find('>', open);
      if (close == std::string::npos) break;
      std::string text;
      for (size_t k = open + 1; k < close && k < open + 60; ++k) {
        char c = page[k];
        if (c == '\n') continue;
        text += (c == '"' || c == '\'') ? ' ' : c;
      }
      records += record_line({page_field(static_cast<long>(i) + 1), page_field(open + 1),
                              page_field(close + 1), text});
      open = page.find('<', close);
    }
  }
  return records;
}

// The 1-based position of the first `text` in `page` at or after `from`.
inline long position_of(const std::string& page, const std::string& text, long from = 1) {
  return static_cast<long>(page.find(text, from - 1)) + 1;
}

// One word occurrence as the word list numbers it.
struct Occurrence {
  long word_number;
  long page;
  long position;
  long index_page;
  long occurrence_number;
  std::string word;
};

inline std::string occurrence_record(const Occurrence& o, long running_number) {
  return record_line({word_number_text(o.word_number), page_field(o.page), page_field(o.position),
                      output_page_stem(o.page), index_page_stem(o.index_page),
                      occurrence_id(o.occurrence_number), o.word, std::to_string(running_number),
                      o.word});
}

// wrd_6.txt, wrd_08.txt, par_list.txt and in_list.txt for occurrences given in
// document order.
inline void write_occurrence_files(const std::vector<Occurrence>& in_document_order) {
  std::string document_order;
  std::string page_list;
  std::string index_list;
  long running = 1;
  for (const Occurrence& o : in_document_order) {
    document_order += occurrence_record(o, running++);
    page_list += record_line({page_field(o.page), page_field(o.page), output_page_stem(o.page)});
    index_list += record_line({page_field(o.index_page), index_page_stem(o.index_page)});
  }
  std::vector<size_t> by_word(in_document_order.size());
  for (size_t i = 0; i < by_word.size(); ++i) by_word[i] = i;
  std::stable_sort(by_word.begin(), by_word.end(), [&](size_t a, size_t b) {
    return in_document_order[a].word_number < in_document_order[b].word_number;
  });
  std::string word_order;
  for (size_t i : by_word) {
    word_order += occurrence_record(in_document_order[i], static_cast<long>(i) + 1);
  }
  write_file("wrd_6.txt", document_order);
  write_file("wrd_08.txt", word_order);
  write_file("par_list.txt", page_list);
  write_file("in_list.txt", index_list);
}

// The inputs of the annotation stage for the pages and their occurrences.
inline void write_annotation_inputs(const std::vector<std::string>& pages,
                                    const std::vector<Occurrence>& occurrences) {
  std::string characters;
  for (size_t i = 0; i < pages.size(); ++i) {
    characters += character_lines(static_cast<long>(i) + 1, pages[i]);
  }
  write_file("htm.txt", characters);
  write_file("htm_el_2.txt", tag_records(pages));
  write_occurrence_files(occurrences);
}

}  // namespace lexiweb::testing

#endif  // LEXIWEB_ANNOTATE_ANNOTATE_TEST_INPUTS_H_
