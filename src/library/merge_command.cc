#include "library/merge_command.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>

#include "common/html_references.h"
#include "common/text.h"
#include "library/document_record.h"
#include "library/library_files.h"
#include "library/library_lock.h"
#include "library/library_pages.h"
#include "library/piece_series.h"
#include "shell/external_sort.h"
#include "shell/file_ops.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/run_failure.h"

namespace fs = std::filesystem;

namespace lexiweb {

namespace {

// The merge's scratch files, in its working folder.

// The ids of the documents, one a line, and sorted.
constexpr char kDocumentList[] = "documents.txt";
constexpr char kSortedDocumentList[] = "documents_s.txt";

// Every word record of every document, with the document's id and title,
// and sorted by search key, then word, then most occurrences first.
constexpr char kGatheredWords[] = "gathered.txt";
constexpr char kSortedGatheredWords[] = "gathered_s.txt";
namespace gathered_record {
// The library word record's first three fields, the rank (the count
// subtracted from 9999999999, zero-filled, so that the most occurrences
// sort first), the document's id, the rest of the word record and the
// document's title.
enum Field {
  kSearchKey = 1,
  kAccents,
  kSortKey,
  kRank,
  kId,
  kWord,
  kCount,
  kIndexPageStem,
  kOccurrenceId,
  kTitle,
  kFieldCount = kTitle
};
}  // namespace gathered_record

// One record a word, in the order of the sorted gathered words: its
// occurrences and documents in the whole library.
constexpr char kWordTotals[] = "totals.txt";
namespace total_record {
enum Field { kOccurrences = 1, kDocuments };
}  // namespace total_record

// One record a word for the all-words pages, sorted by its group (the hex
// of its search key's first character), then its sort key.
constexpr char kAllWords[] = "all.txt";
constexpr char kSortedAllWords[] = "all_s.txt";
namespace all_word_record {
enum Field { kGroup = 1, kSortKey, kWord, kOccurrences, kDocuments, kWordPage };
}  // namespace all_word_record

// The folder the new pages are written into, inside the working folder.
constexpr char kFreshPages[] = "pages";

// The most bytes of an all-words page, unless one entry is longer, and
// the words a page holds on average.
constexpr size_t kAllWordsPageBytes = 64'000;
constexpr unsigned kWordsPerAllWordsPiece = 512;

std::string zero_filled(long value, int width) {
  std::string digits = std::to_string(value);
  return std::string(width - std::min<int>(width, digits.size()), '0') + digits;
}

// The documents of the library, by id, into kSortedDocumentList.
void list_documents(const std::string& library, const std::set<std::string>& leaving) {
  {
    RecordWriter list(kDocumentList);
    std::error_code error;
    const std::string documents = library + "/" + kDocumentsFolder;
    if (folder_exists(documents)) {
      for (const auto& entry : fs::directory_iterator(documents, error)) {
        const std::string id = entry.path().filename().string();
        if (id.starts_with('.') || leaving.count(id) || !entry.is_directory()) continue;
        DocumentEntry document;
        if (!read_document_entry(entry.path().string() + "/" + kDocumentRecordFile, &document) ||
            document.id != id) {
          continue;
        }
        list.write_line(id);
      }
      if (error) fail_read(documents, error.value());
    }
    list.close();
  }
  sort_lines(kDocumentList, kSortedDocumentList, 1);
  delete_file(kDocumentList);
}

std::string document_folder(const std::string& library, std::string_view id) {
  return library + "/" + kDocumentsFolder + "/" + std::string(id);
}

// Gathers the words of every document into kSortedGatheredWords; returns
// the number of documents.
long gather_words(const std::string& library) {
  long documents = 0;
  {
    RecordReader list(kSortedDocumentList);
    RecordWriter gathered(kGatheredWords);
    std::string_view line;
    Record word;
    while (list.read_line(&line)) {
      const std::string folder = document_folder(library, line);
      DocumentEntry document;
      if (!read_document_entry(folder + "/" + kDocumentRecordFile, &document)) {
        fail_read(folder + "/" + kDocumentRecordFile, EIO);
      }
      ++documents;
      RecordReader words(folder + "/" + kWordRecordFile);
      while (words.read_record(&word)) {
        using namespace library_word_record;
        const std::string rank = zero_filled(9'999'999'999L - whole_value(word.field(kCount)), 10);
        gathered.write_record({word.field(kSearchKey), word.field(kAccents), word.field(kSortKey),
                               rank, document.id, word.field(kWord), word.field(kCount),
                               word.field(kIndexPageStem), word.field(kOccurrenceId),
                               document.title});
      }
    }
    gathered.close();
  }
  sort_lines(kGatheredWords, kSortedGatheredWords, 1);
  delete_file(kGatheredWords);
  return documents;
}

// The totals of each word of kSortedGatheredWords, in its order; returns
// the number of words.
long count_words() {
  RecordReader gathered(kSortedGatheredWords);
  RecordWriter totals(kWordTotals);
  Record record;
  std::string word;
  long occurrences = 0;
  long documents = 0;
  long words = 0;
  auto finish = [&] {
    if (documents == 0) return;
    totals.write_record({std::to_string(occurrences), std::to_string(documents)});
    ++words;
  };
  while (gathered.read_record(&record)) {
    if (record.field(gathered_record::kSortKey) != word) {
      finish();
      word = record.field(gathered_record::kSortKey);
      occurrences = documents = 0;
    }
    occurrences += whole_value(record.field(gathered_record::kCount));
    ++documents;
  }
  finish();
  totals.close();
  return words;
}

// The word pages of one group: GROUP.html, then GROUP-KEYNAME.html, each
// leading to the next.
class WordPieces {
 public:
  explicit WordPieces(std::string folder)
      : folder_(std::move(folder)),
        series_(kPieceBytes, kWordsPerWordPiece, true,
                [this](const std::string& name, const std::string& entries,
                       const std::string& next) { write(name, entries, next); }) {}

  void start_group(const std::string& group, std::string title) {
    title_ = std::move(title);
    series_.start_group(group);
  }
  // Returns the name of the entry's piece.
  std::string add(std::string_view key, std::string_view entry) { return series_.add(key, entry); }
  void finish_group() { series_.finish_group(); }

 private:
  void write(const std::string& name, const std::string& entries, const std::string& next) {
    RecordWriter out(folder_ + "/" + name + ".html");
    write_library_page_start(out, title_, "../");
    out.write(entries);
    if (!next.empty()) out.write_line("<p><a href=\"" + next + ".html\">More words</a></p>");
    write_library_page_end(out);
    out.close();
  }

  std::string folder_;
  std::string title_;
  PieceSeries series_;
};

// The search field's files of one group: GROUP.js holds its words, or,
// when they take more than one piece, the first key and name of each of
// its pieces GROUP-KEYNAME.js.
class SearchGroup {
 public:
  explicit SearchGroup(std::string folder)
      : folder_(std::move(folder)),
        series_(kPieceBytes, kWordsPerSearchPiece, false,
                [this](const std::string& name, const std::string& entries,
                       const std::string& next) { write(name, entries, next); }) {}

  void start_group(const std::string& group) {
    group_ = group;
    piece_.clear();
    pieces_.clear();
    written_ = 0;
    series_.start_group(group);
  }
  void add(std::string_view key, std::string_view sort_key, std::string_view entry) {
    const std::string& piece = series_.add(sort_key, entry);
    if (piece == piece_) return;
    piece_ = piece;
    if (!pieces_.empty()) pieces_ += ",";
    append_script_string(pieces_, key);
    pieces_ += ",\"" + piece_ + "\"";
  }
  void finish_group() {
    if (series_.finish_group() > 1) {
      write_whole_file(folder_ + "/" + group_ + ".js",
                       "lexiwebLibrary.pieces(\"" + group_ + "\", [" + pieces_ + "]);\r\n");
    }
  }

 private:
  void write(const std::string& name, const std::string& entries, const std::string& next) {
    // A group of one piece is its own file.
    const std::string file = next.empty() && written_ == 0 ? group_ : name;
    ++written_;
    write_whole_file(folder_ + "/" + file + ".js", "lexiwebLibrary.words(\"" + group_ + "\", \"" +
                                                       file + "\", [\r\n" + entries + "]);\r\n");
  }

  std::string folder_;
  std::string group_;
  std::string piece_;
  std::string pieces_;  // first key, name, ... of the group's pieces
  int written_ = 0;
  PieceSeries series_;
};

// One word of the sorted gathered records as it streams past.
struct WordEntry {
  std::string search_key;
  std::string sort_key;
  std::string word;
  long occurrences = 0;
  long documents = 0;
  std::string items;  // the list items of its first documents
  long listed = 0;
};

// Writes the word pages, the search field's files and the all-words
// records, word by word from kSortedGatheredWords and kWordTotals.
class WordPagesWriter {
 public:
  explicit WordPagesWriter(const std::string& pages)
      : words_folder_(pages + "/" + kWordPagesFolder),
        word_pages_(words_folder_),
        search_(pages + "/" + kSearchFolder),
        all_words_(kAllWords) {}

  void run() {
    RecordReader gathered(kSortedGatheredWords);
    RecordReader totals(kWordTotals);
    Record record;
    Record total;
    while (gathered.read_record(&record)) {
      using namespace gathered_record;
      if (record.field(kSortKey) != word_.sort_key || word_.documents == 0) {
        if (word_.documents > 0) finish_word();
        if (!totals.read_record(&total)) fail_read(kWordTotals, EIO);
        start_word(record, total);
      }
      add_document(record);
    }
    if (word_.documents > 0) finish_word();
    if (!group_.empty()) finish_group();
    all_words_.close();
  }

 private:
  void start_word(const Record& record, const Record& total) {
    using namespace gathered_record;
    word_.search_key = record.field(kSearchKey);
    word_.sort_key = record.field(kSortKey);
    word_.word = record.field(kWord);
    word_.occurrences = whole_value(total.field(total_record::kOccurrences));
    word_.documents = whole_value(total.field(total_record::kDocuments));
    word_.items.clear();
    word_.listed = 0;
    const std::string group = hex_name(first_characters(word_.search_key, kGroupCharacters));
    if (group != group_) {
      if (!group_.empty()) finish_group();
      group_ = group;
      word_pages_.start_group(
          group_, "Words that begin with " +
                      std::string(first_characters(word_.search_key, kGroupCharacters)));
      search_.start_group(group_);
    }
    anchor_ = "w" + key_name(word_.sort_key);
  }

  // The link to a document's index at the word's first occurrence there.
  void add_document(const Record& record) {
    using namespace gathered_record;
    std::string item = "<li><a href=\"../";
    item += kDocumentsFolder;
    item += "/";
    item += record.field(kId);
    item += "/";
    item += record.field(kIndexPageStem);
    item += ".htm#";
    item += record.field(kOccurrenceId);
    item += "\">";
    append_escaped(item, record.field(kTitle));
    item += "</a> ";
    item += record.field(kCount);
    item += "</li>\r\n";
    ++word_.listed;
    if (word_.listed <= static_cast<long>(kDocumentsPerEntry)) {
      word_.items += item;
      return;
    }
    // The documents past the first ones go on pages of the word's own.
    if ((word_.listed - 1) % kDocumentsPerEntry == 0) open_more_page();
    more_->write(item);
  }

  std::string more_page(long number) const {
    return group_ + "-" + anchor_ + "-" + std::to_string(number) + ".html";
  }

  void open_more_page() {
    const long number = (word_.listed - 1) / kDocumentsPerEntry + 1;
    if (more_) close_more_page(number);
    more_ = std::make_unique<RecordWriter>(words_folder_ + "/" + more_page(number));
    // The word is spelled as on the document's pages, its references written.
    std::string title;
    append_decoded(title, word_.word);
    write_library_page_start(*more_, title, "../");
    more_->write_line("<ol start=\"" + std::to_string(word_.listed) + "\">");
  }

  void close_more_page(long next) {
    more_->write_line("</ol>");
    if (next > 0) {
      more_->write_line("<p><a href=\"" + more_page(next) + "\">More documents</a></p>");
    }
    write_library_page_end(*more_);
    more_->close();
    more_.reset();
  }

  void finish_word() {
    if (more_) close_more_page(0);
    std::string entry = "<section id=\"" + anchor_ + "\"><h2>" + word_.word + "</h2>\r\n<p>";
    entry += std::to_string(word_.occurrences) + " occurrences in " +
             std::to_string(word_.documents) + (word_.documents == 1 ? " document" : " documents");
    entry += "</p>\r\n<ol>\r\n" + word_.items + "</ol>\r\n";
    if (word_.documents > static_cast<long>(kDocumentsPerEntry)) {
      entry += "<p><a href=\"" + more_page(2) + "\">More documents</a></p>\r\n";
    }
    entry += "</section>\r\n";
    const std::string piece = word_pages_.add(word_.sort_key, entry);

    std::string offer;
    append_script_string(offer, word_.word);
    offer += ",";
    append_script_string(offer, word_.search_key);
    offer += "," + std::to_string(word_.occurrences) + "," + std::to_string(word_.documents) + "," +
             "\"" + piece.substr(group_.size()) + "\",\"" + anchor_ + "\",\r\n";
    search_.add(word_.search_key, word_.sort_key, offer);

    const std::string page = std::string(kWordPagesFolder) + "/" + piece + ".html#" + anchor_;
    all_words_.write_record({hex_name(first_characters(word_.search_key, 1)), word_.sort_key,
                             word_.word, std::to_string(word_.occurrences),
                             std::to_string(word_.documents), page});
  }

  void finish_group() {
    word_pages_.finish_group();
    search_.finish_group();
  }

  std::string words_folder_;
  WordPieces word_pages_;
  SearchGroup search_;
  RecordWriter all_words_;
  std::unique_ptr<RecordWriter> more_;
  WordEntry word_;
  std::string group_;
  std::string anchor_;  // the word's, by its key
};

// The all-words pages, by the first character of the words' search keys,
// each in the reader's collation, and all.html, which leads to them.
void write_all_words_pages(const std::string& pages) {
  sort_lines(kAllWords, kSortedAllWords, 1);
  delete_file(kAllWords);
  RecordReader words(kSortedAllWords);
  RecordWriter index(pages + "/" + kAllWordsIndexPage);
  write_library_page_start(index, "All words", "");
  index.write_line("<ul class=\"groups\">");
  const std::string folder = pages + "/" + kAllWordsFolder;
  PieceSeries series(
      kAllWordsPageBytes, kWordsPerAllWordsPiece, true,
      [&](const std::string& name, const std::string& entries, const std::string& next) {
        RecordWriter page(folder + "/" + name + ".html");
        write_library_page_start(page, "All words", "../");
        page.write_line("<ul>");
        page.write(entries);
        page.write_line("</ul>");
        if (!next.empty()) {
          page.write_line("<p><a href=\"" + next + ".html\">More words</a></p>");
        }
        write_library_page_end(page);
        page.close();
      });
  std::string group;
  Record record;
  std::string line;
  while (words.read_record(&record)) {
    using namespace all_word_record;
    if (record.field(kGroup) != group) {
      if (!group.empty()) series.finish_group();
      group = record.field(kGroup);
      series.start_group(group);
      line = "<li><a href=\"all/" + group + ".html\">";
      append_escaped(line, first_characters(record.field(kWord), 1));
      line += "</a></li>";
      index.write_line(line);
    }
    line = "<li><a href=\"../" + std::string(record.field(kWordPage)) + "\">" +
           std::string(record.field(kWord)) + "</a> " + std::string(record.field(kOccurrences)) +
           "</li>\r\n";
    series.add(record.field(kSortKey), line);
  }
  if (!group.empty()) series.finish_group();
  words.close();
  delete_file(kSortedAllWords);
  index.write_line("</ul>");
  write_library_page_end(index);
  index.close();
}

void write_front_page(const std::string& library, const std::string& pages, long documents,
                      long words) {
  RecordWriter out(pages + "/" + kFrontPage);
  write_library_page_start(out, "Library", "");
  out.write_line("<p>" + std::to_string(documents) +
                 (documents == 1 ? " document, " : " documents, ") + std::to_string(words) +
                 " distinct words.</p>");
  out.write_line("<table>");
  out.write_line(
      "<thead><tr><th>Title</th><th>Pages</th><th>Words</th><th>Language</th></tr></thead>");
  out.write_line("<tbody>");
  RecordReader list(kSortedDocumentList);
  std::string_view id;
  std::string line;
  while (list.read_line(&id)) {
    DocumentEntry document;
    read_document_entry(document_folder(library, id) + "/" + kDocumentRecordFile, &document);
    line = "<tr><td><a href=\"" + std::string(kDocumentsFolder) + "/" + document.id + "/" +
           document.contents_page + "\">";
    append_escaped(line, document.title);
    line += "</a></td><td>" + std::to_string(document.pages) + "</td><td>" +
            std::to_string(document.words) + "</td><td>";
    append_escaped(line, document.language);
    line += "</td></tr>";
    out.write_line(line);
  }
  out.write_line("</tbody>");
  out.write_line("</table>");
  write_library_page_end(out);
  out.close();
}

}  // namespace

MergeResult merge_library(const std::string& library, const std::set<std::string>& leaving) {
  MergeResult result;
  const std::string working_folder =
      library + "/" + kStateFolder + "/merge-" + std::to_string(getpid());
  add_run_folder(working_folder);
  std::error_code error;
  fs::remove_all(working_folder, error);
  fs::create_directories(working_folder, error);
  if (error) fail_write(working_folder, error.value());
  if (chdir(working_folder.c_str()) != 0) fail_read(working_folder, errno);
  const std::string pages = working_folder + "/" + kFreshPages;
  for (const std::string& folder : {pages, pages + "/" + kWordPagesFolder,
                                    pages + "/" + kSearchFolder, pages + "/" + kAllWordsFolder}) {
    make_folder(folder);
  }

  list_documents(library, leaving);
  result.documents = gather_words(library);
  result.words = count_words();
  WordPagesWriter(pages).run();
  delete_file(kSortedGatheredWords);
  delete_file(kWordTotals);
  write_all_words_pages(pages);
  write_front_page(library, pages, result.documents, result.words);
  delete_file(kSortedDocumentList);
  write_whole_file(pages + "/" + kLibraryScriptFile, library_script());
  write_whole_file(pages + "/" + kStyleSheetFile, library_style());

  result.pages = commit_pages(pages, library);
  if (chdir(library.c_str()) != 0) fail_read(library, errno);
  fs::remove_all(working_folder, error);
  return result;
}

}  // namespace lexiweb
