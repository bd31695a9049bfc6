// How many of a reference site's word occurrences another reading of the
// same pages has, page by page, case ignored: for the scanned copies of
// bench/scanned_pages, against the site of the born-digital pages.
//
// Usage: word_recall [--thresholds | --missed] REFERENCE OTHER
//
// REFERENCE and OTHER are each
// - a lexiweb site (its htm_out, or the working folder holding it): the
//   occurrences its word index lists, each with its page;
// - a folder of lexiweb-ocr's page files (NAME + page number + ".txt"):
//   each line's words joined by blanks;
// - a text file whose pages are separated by form feeds (ocrmypdf's sidecar).
// Text that is not a site is cut into words by the stages' own word cutter,
// its "&", "<" and ">" written as the converter writes them, so that
// a word counts as the site would count it.
//
// Prints each page's occurrences in REFERENCE and OTHER, the occurrences
// both have (the smaller count of each word), and that share of
// REFERENCE's; then the totals. With --thresholds, OTHER a folder of page
// files, also the recall and the words OTHER has beyond REFERENCE when the
// words below each confidence from 0 to 95 are dropped. With --missed, also
// each page's occurrences that OTHER lacks, and those it has beyond them.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "common/recognized_text.h"
#include "common/text.h"
#include "scan/word_extraction.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/run_failure.h"
#include "shell/scratch_catalogue.h"

namespace {

namespace fs = std::filesystem;
using lexiweb::RecognizedPage;

// Word (lower case) -> occurrences, for each page.
using PageWords = std::map<long, std::map<std::string, long>>;

std::string read_whole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// As the converter writes these characters into its pages.
std::string as_html(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The text of each page (page -> text) cut into words by the stages' rule.
PageWords cut_words(const std::map<long, std::string>& pages) {
  const fs::path scratch = fs::temp_directory_path() / ("word_recall_" + std::to_string(getpid()));
  {
    lexiweb::RecordWriter out(scratch.string());
    lexiweb::RecordWriter parts(scratch.string() + "_parts");
    lexiweb::WordCutter cutter(out, parts);
    for (const auto& [page, text] : pages) {
      cutter.take_characters(as_html(text), page, 1);
      cutter.take_separator("");
    }
    cutter.finish();
  }
  fs::remove(scratch.string() + "_parts");
  PageWords words;
  lexiweb::RecordReader in(scratch.string());
  lexiweb::Record record;
  namespace word_record = lexiweb::word_record;
  const bool keyed = lexiweb::word_rule() == lexiweb::WordRule::kReader;
  while (in.read_record(&record)) {
    ++words[lexiweb::whole_value(
        record.field(word_record::field_number(word_record::kPage, keyed)))]
           [lexiweb::to_lower_ascii(lexiweb::trim_blanks(
               record.field(word_record::field_number(word_record::kWord, keyed))))];
  }
  in.close();
  fs::remove(scratch);
  return words;
}

// The occurrences a site's word index lists: a list item links to the
// occurrence, shows the word in its span and names the converter's page.
PageWords site_words(const fs::path& site) {
  static const std::regex item(
      R"re(<li ><a href="f[0-9]+\.htm#i[0-9]+" ><span  id="i[0-9]+" >([^<]*)</span> </a>[^(]*\(page([0-9]+)\.htm)re");
  PageWords words;
  std::vector<fs::path> index_pages;
  for (const fs::directory_entry& entry : fs::directory_iterator(site)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("in") && name.ends_with(".htm")) index_pages.push_back(entry.path());
  }
  for (const fs::path& path : index_pages) {
    const std::string html = read_whole(path);
    for (auto it = std::sregex_iterator(html.begin(), html.end(), item);
         it != std::sregex_iterator(); ++it) {
      ++words[std::stol((*it)[2])]
             [lexiweb::to_lower_ascii(lexiweb::trim_blanks(std::string((*it)[1])))];
    }
  }
  return words;
}

// lexiweb-ocr's page files, page -> page, numbered by the digits of the name.
std::map<long, RecognizedPage> recognized_pages(const fs::path& folder) {
  std::map<long, RecognizedPage> pages;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::string stem = entry.path().stem().string();
    const size_t digits = stem.find_first_of("0123456789");
    if (entry.path().extension() != ".txt" || digits == std::string::npos) continue;
    if (!lexiweb::parse_recognized_page(read_whole(entry.path()),
                                        &pages[std::stol(stem.substr(digits))])) {
      std::fprintf(stderr, "word_recall: %s is no complete page of recognised words\n",
                   entry.path().c_str());
      std::exit(1);
    }
  }
  return pages;
}

// Their words of `least_confidence` or more, each line's joined by blanks.
std::map<long, std::string> recognized_text(const std::map<long, RecognizedPage>& pages,
                                            long least_confidence) {
  std::map<long, std::string> texts;
  for (const auto& [number, page] : pages) {
    std::string& text = texts[number];
    for (const lexiweb::RecognizedLine& line : page.lines) {
      for (const lexiweb::RecognizedWord& word : line.words) {
        if (word.confidence >= least_confidence) (text += word.text) += ' ';
      }
      text += '\n';
    }
  }
  return texts;
}

// A text file's pages, split at form feeds.
std::map<long, std::string> text_pages(const fs::path& path) {
  const std::string text = read_whole(path);
  std::map<long, std::string> pages;
  long page = 1;
  size_t start = 0;
  for (size_t feed = text.find('\f');; feed = text.find('\f', start)) {
    pages[page++] =
        text.substr(start, feed == std::string::npos ? std::string::npos : feed - start);
    if (feed == std::string::npos) break;
    start = feed + 1;
  }
  return pages;
}

bool is_site(const fs::path& folder) { return fs::exists(folder / "in000001.htm"); }

PageWords words_of(const fs::path& source) {
  if (fs::is_directory(source)) {
    if (is_site(source)) return site_words(source);
    if (is_site(source / "htm_out")) return site_words(source / "htm_out");
    return cut_words(recognized_text(recognized_pages(source), 0));
  }
  if (!fs::is_regular_file(source)) {
    std::fprintf(stderr, "word_recall: %s is neither a site, a folder of pages nor a text file\n",
                 source.c_str());
    std::exit(1);
  }
  return cut_words(text_pages(source));
}

long total(const std::map<std::string, long>& words) {
  long sum = 0;
  for (const auto& [word, count] : words) sum += count;
  return sum;
}

long common(const std::map<std::string, long>& reference,
            const std::map<std::string, long>& other) {
  long sum = 0;
  for (const auto& [word, count] : reference) {
    const auto found = other.find(word);
    if (found != other.end()) sum += std::min(count, found->second);
  }
  return sum;
}

double share(long part, long whole) { return whole == 0 ? 0 : 100.0 * part / whole; }

struct Totals {
  long reference = 0;
  long other = 0;
  long matched = 0;
};

// The occurrences of `words` beyond those of `others`, each with its count.
std::string beyond(const std::map<std::string, long>& words,
                   const std::map<std::string, long>& others) {
  std::string text;
  for (const auto& [word, count] : words) {
    const auto found = others.find(word);
    const long more = count - (found == others.end() ? 0 : found->second);
    if (more > 0) text += " " + word + (more > 1 ? "*" + std::to_string(more) : "");
  }
  return text;
}

enum class Detail { kTotals, kPages, kMissed };

Totals compare(const PageWords& reference, const PageWords& other, Detail detail) {
  static const std::map<std::string, long> kNone;
  std::vector<long> pages;
  for (const auto& [page, words] : reference) pages.push_back(page);
  for (const auto& [page, words] : other) pages.push_back(page);
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  Totals totals;
  for (const long page : pages) {
    const auto r = reference.find(page);
    const auto o = other.find(page);
    const auto& reference_words = r == reference.end() ? kNone : r->second;
    const auto& other_words = o == other.end() ? kNone : o->second;
    const long in_reference = total(reference_words);
    const long in_other = total(other_words);
    const long matched = common(reference_words, other_words);
    if (detail != Detail::kTotals) {
      std::printf("%6ld %10ld %10ld %10ld %8.2f%%\n", page, in_reference, in_other, matched,
                  share(matched, in_reference));
    }
    if (detail == Detail::kMissed) {
      std::printf("  missed:%s\n  beyond:%s\n", beyond(reference_words, other_words).c_str(),
                  beyond(other_words, reference_words).c_str());
    }
    totals.reference += in_reference;
    totals.other += in_other;
    totals.matched += matched;
  }
  return totals;
}

}  // namespace

int compare_sites(int argc, char** argv) {
  const std::string option = argc == 4 ? argv[1] : "";
  const bool thresholds = option == "--thresholds";
  if (argc != 3 && !thresholds && option != "--missed") {
    std::fputs("usage: word_recall [--thresholds | --missed] REFERENCE OTHER\n", stderr);
    return 2;
  }
  const fs::path reference_source = argv[argc - 2];
  const fs::path other_source = argv[argc - 1];
  const PageWords reference = words_of(reference_source);
  std::printf("%6s %10s %10s %10s %9s\n", "page", "reference", "other", "both", "recall");
  const Totals totals = compare(reference, words_of(other_source),
                                option == "--missed" ? Detail::kMissed : Detail::kPages);
  std::printf("%6s %10ld %10ld %10ld %8.2f%%\n", "all", totals.reference, totals.other,
              totals.matched, share(totals.matched, totals.reference));
  if (!thresholds) return 0;

  const std::map<long, RecognizedPage> pages = recognized_pages(other_source);
  std::printf("\n%10s %9s %10s %10s\n", "confidence", "recall", "both", "beyond");
  for (long least = 0; least <= 95; least += 5) {
    const Totals kept =
        compare(reference, cut_words(recognized_text(pages, least)), Detail::kTotals);
    std::printf("%10ld %8.2f%% %10ld %10ld\n", least, share(kept.matched, kept.reference),
                kept.matched, kept.other - kept.matched);
  }
  return 0;
}

// The stages' readers and writers end a run by throwing; here that ends the
// comparison with their line.
int main(int argc, char** argv) {
  try {
    return compare_sites(argc, argv);
  } catch (const lexiweb::RunFailure& failure) {
    std::fprintf(stderr, "%s\n", failure.line().c_str());
    return 1;
  }
}
