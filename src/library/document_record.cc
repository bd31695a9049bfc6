#include "library/document_record.h"

#include <filesystem>

#include "common/html_references.h"
#include "common/run_values.h"
#include "common/text.h"
#include "library/library_files.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

namespace {

// A record field holds no double quote and no line break.
std::string field_text(std::string text) {
  for (char& c : text) {
    if (c == '"') c = '\'';
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

}  // namespace

void learn_document_facts(DocumentEntry* entry) {
  entry->title = field_text(g_run.document.title);
  entry->language = field_text(g_run.document.language);
}

void write_document_entry(const std::string& path, const DocumentEntry& entry) {
  RecordWriter out(path);
  const std::string pages = std::to_string(entry.pages);
  const std::string words = std::to_string(entry.words);
  out.write_record({entry.id, field_text(entry.title), field_text(entry.language), pages, words,
                    entry.contents_page, field_text(entry.magnification),
                    field_text(entry.target_site)});
  out.close();
}

bool read_document_entry(const std::string& path, DocumentEntry* entry) {
  RecordReader in;
  if (!in.open(path)) return false;
  Record record;
  if (!in.read_record(&record) || record.size() < document_record::kFieldCount) return false;
  using namespace document_record;
  entry->id = record.field(kId);
  entry->title = record.field(kTitle);
  entry->language = record.field(kLanguage);
  entry->pages = whole_value(record.field(kPages));
  entry->words = whole_value(record.field(kWords));
  entry->contents_page = record.field(kContentsPage);
  entry->magnification = record.field(kMagnification);
  entry->target_site = record.field(kTargetSite);
  return true;
}

void write_library_words(const std::string& path, WordRule rule) {
  RecordReader words(kAllWordsFile);
  RecordWriter out(path);
  Record record;
  std::string decoded;
  std::string search_key;
  std::string sort_key;
  std::unique_ptr<WordFolder> folder;
  if (rule == WordRule::kReader) folder = std::make_unique<WordFolder>();
  while (words.read_record(&record)) {
    const std::string_view word = record.field(all_words_record::kWord);
    bool accented = false;
    if (folder) {
      decoded.clear();
      append_decoded(decoded, word);
      const std::string folded(folder->fold(decoded));
      const std::string_view plain = folder->without_accents(folded);
      accented = plain != folded;
      search_key.assign(plain);
      sort_key.clear();
      folder->append_sort_key(folded, sort_key);
    } else {
      // The byte rule compares words with ASCII letters folded, in byte order.
      search_key = to_lower_ascii(word);
      sort_key = search_key;
    }
    for (char& c : search_key) c = c == '"' ? '\x7f' : c;
    out.write_record({search_key, accented ? "0" : "1", sort_key, word,
                      record.field(all_words_record::kCount),
                      record.field(all_words_record::kIndexPageStem),
                      record.field(all_words_record::kOccurrenceId)});
  }
  words.close();
  out.close();
}

}  // namespace lexiweb
