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

// Words of one group per all-words page.
constexpr int kWordsPerAllWordsPage = 1000;

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

// A sequence of pages of one group, each at most kPieceBytes unless one
// entry is longer: GROUP.html, GROUP-2.html, ...
class PiecedPages {
 public:
  explicit PiecedPages(std::string folder) : folder_(std::move(folder)) {}

  void start_group(const std::string& group, std::string title) {
    group_ = group;
    title_ = std::move(title);
    piece_ = 0;
  }
  // Adds an entry, starting a new piece first where it would not fit.
  void add(std::string_view entry) {
    if (out_ && bytes_ + entry.size() > kPieceBytes) close_piece(true);
    if (!out_) open_piece();
    out_->write(entry);
    bytes_ += entry.size();
  }
  void finish_group() {
    if (out_) close_piece(false);
  }
  int piece() const { return piece_; }
  // The file of a piece, relative to the folder.
  static std::string piece_file(const std::string& group, int piece) {
    return group + (piece > 1 ? "-" + std::to_string(piece) : "") + ".html";
  }

 private:
  void open_piece() {
    ++piece_;
    out_ = std::make_unique<RecordWriter>(folder_ + "/" + piece_file(group_, piece_));
    write_library_page_start(*out_, title_, "../");
    bytes_ = 0;
  }
  void close_piece(bool more) {
    if (more) {
      out_->write_line("<p><a href=\"" + piece_file(group_, piece_ + 1) + "\">More words</a></p>");
    }
    write_library_page_end(*out_);
    out_->close();
    out_.reset();
  }

  std::string folder_;
  std::string group_;
  std::string title_;
  int piece_ = 0;
  size_t bytes_ = 0;
  std::unique_ptr<RecordWriter> out_;
};

// The search field's files of one group: GROUP.js holds its words, or,
// when they take more than one piece, the first keys of its pieces
// GROUP-1.js, GROUP-2.js, ...
class SearchGroup {
 public:
  explicit SearchGroup(std::string folder) : folder_(std::move(folder)) {}

  void start_group(const std::string& group) {
    group_ = group;
    piece_ = 0;
    first_keys_.clear();
    words_.clear();
  }
  void add(std::string_view key, std::string_view entry) {
    if (!words_.empty() && words_.size() + entry.size() > kPieceBytes) write_piece(++piece_);
    if (words_.empty()) {
      if (!first_keys_.empty()) first_keys_ += ",";
      append_script_string(first_keys_, key);
    }
    words_ += entry;
  }
  void finish_group() {
    if (words_.empty()) return;
    if (piece_ == 0) {
      write_piece(0);
      return;
    }
    write_piece(++piece_);
    write_whole_file(folder_ + "/" + group_ + ".js",
                     "lexiwebLibrary.pieces(\"" + group_ + "\", [" + first_keys_ + "]);\r\n");
  }

 private:
  // Piece 0 is the group's only one.
  void write_piece(int piece) {
    const std::string name = group_ + (piece > 0 ? "-" + std::to_string(piece) : "") + ".js";
    write_whole_file(folder_ + "/" + name, "lexiwebLibrary.words(\"" + group_ + "\", " +
                                               std::to_string(piece) + ", [\r\n" + words_ +
                                               "]);\r\n");
    words_.clear();
  }

  std::string folder_;
  std::string group_;
  int piece_ = 0;
  std::string first_keys_;
  std::string words_;
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
      ordinal_ = 0;
      word_pages_.start_group(
          group_, "Words that begin with " +
                      std::string(first_characters(word_.search_key, kGroupCharacters)));
      search_.start_group(group_);
    }
    ++ordinal_;
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
    return group_ + "-w" + std::to_string(ordinal_) + "-" + std::to_string(number) + ".html";
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
    const std::string anchor = "w" + std::to_string(ordinal_);
    std::string entry = "<section id=\"" + anchor + "\"><h2>" + word_.word + "</h2>\r\n<p>";
    entry += std::to_string(word_.occurrences) + " occurrences in " +
             std::to_string(word_.documents) + (word_.documents == 1 ? " document" : " documents");
    entry += "</p>\r\n<ol>\r\n" + word_.items + "</ol>\r\n";
    if (word_.documents > static_cast<long>(kDocumentsPerEntry)) {
      entry += "<p><a href=\"" + more_page(2) + "\">More documents</a></p>\r\n";
    }
    entry += "</section>\r\n";
    word_pages_.add(entry);
    const int piece = word_pages_.piece();

    std::string offer;
    append_script_string(offer, word_.word);
    offer += ",";
    append_script_string(offer, word_.search_key);
    offer += "," + std::to_string(word_.occurrences) + "," + std::to_string(word_.documents) + "," +
             std::to_string(piece) + "," + std::to_string(ordinal_) + ",\r\n";
    search_.add(word_.search_key, offer);

    const std::string page =
        std::string(kWordPagesFolder) + "/" + PiecedPages::piece_file(group_, piece) + "#" + anchor;
    all_words_.write_record({hex_name(first_characters(word_.search_key, 1)), word_.sort_key,
                             word_.word, std::to_string(word_.occurrences),
                             std::to_string(word_.documents), page});
  }

  void finish_group() {
    word_pages_.finish_group();
    search_.finish_group();
  }

  std::string words_folder_;
  PiecedPages word_pages_;
  SearchGroup search_;
  RecordWriter all_words_;
  std::unique_ptr<RecordWriter> more_;
  WordEntry word_;
  std::string group_;
  long ordinal_ = 0;
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
  std::unique_ptr<RecordWriter> page;
  std::string group;
  int on_page = 0;
  int piece = 0;
  auto close_page = [&](bool more) {
    page->write_line("</ul>");
    if (more) {
      page->write_line("<p><a href=\"" + PiecedPages::piece_file(group, piece + 1) +
                       "\">More words</a></p>");
    }
    write_library_page_end(*page);
    page->close();
    page.reset();
  };
  Record record;
  std::string line;
  while (words.read_record(&record)) {
    using namespace all_word_record;
    const bool new_group = record.field(kGroup) != group;
    if (page && (new_group || on_page == kWordsPerAllWordsPage)) close_page(!new_group);
    if (new_group) {
      group = record.field(kGroup);
      piece = 0;
      line = "<li><a href=\"all/" + PiecedPages::piece_file(group, 1) + "\">";
      append_escaped(line, first_characters(record.field(kWord), 1));
      line += "</a></li>";
      index.write_line(line);
    }
    if (!page) {
      ++piece;
      on_page = 0;
      page = std::make_unique<RecordWriter>(folder + "/" + PiecedPages::piece_file(group, piece));
      write_library_page_start(*page, "All words", "../");
      page->write_line("<ul>");
    }
    line = "<li><a href=\"../" + std::string(record.field(kWordPage)) + "\">" +
           std::string(record.field(kWord)) + "</a> " + std::string(record.field(kOccurrences)) +
           "</li>";
    page->write_line(line);
    ++on_page;
  }
  if (page) close_page(false);
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
