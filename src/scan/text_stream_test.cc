#include "scan/text_stream.h"

#include <gtest/gtest.h>

#include "scan/style_script_removal.h"
#include "scan/tag_separation.h"
#include "scan/word_extraction.h"
#include "shell/record_reader.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_file;

// The word records that `pages` give under `rule`, and the records of the
// words joined over a line end.
struct CutWords {
  std::string records;
  std::string parts;
};

CutWords cut_words(const std::vector<std::string>& pages, WordRule rule) {
  testing::WorkingFolder folder;
  for (size_t i = 0; i < pages.size(); ++i)
    write_file("w_" + std::to_string(i + 1) + ".htm", pages[i]);
  write_tag_records(static_cast<long>(pages.size()));
  strip_style_script();
  {
    RecordWriter out(kWordsFile);
    RecordWriter parts(kWordPartsFile);
    WordCutter words(out, parts, rule);
    cut_text_stream(static_cast<long>(pages.size()), words);
  }
  return {read_file(kWordsFile), read_file(kWordPartsFile)};
}

std::string words_of(const std::vector<std::string>& pages) {
  return cut_words(pages, WordRule::kBytes).records;
}

// The word records under the reader's rule without their sort keys: word,
// page, position, running number and context.
std::string reader_words_of(const std::vector<std::string>& pages, std::string* parts = nullptr) {
  const CutWords cut = cut_words(pages, WordRule::kReader);
  if (parts != nullptr) *parts = cut.parts;
  std::string out;
  Record record;
  std::string_view text = cut.records;
  while (!text.empty()) {
    const size_t end = text.find("\r\n");
    record.parse(text.substr(0, end));
    out += record_line({std::string(record.field(word_record::kWord)),
                        std::string(record.field(word_record::kPage)),
                        std::string(record.field(word_record::kPosition)),
                        std::string(record.field(word_record::kRunningNumber)),
                        std::string(record.field(word_record::kContext))});
    text.remove_prefix(end + 2);
  }
  return out;
}

// Text after the last tag of a page is no text, unless that tag is the last
// of the document: then everything after it runs on, over the following
// pages with no break, so that a word can start on one page and end on the next.
TEST(TextStream, OnlyTheDocumentsLastTagLetsTheTextRunOnOverPages) {
  EXPECT_EQ(
      words_of({"<p>one</p>lost", "<p>two</p>tail", "more "}),
      record_line({"", "one", "         1", "         4", "1", "one "}) +
          record_line({"", "two", "         2", "         4", "2", "one two "}) +
          record_line({"", "tailmore", "         2", "        11", "3", "one two tailmore  "}));
}

// A style element closed on a later page merges nothing: its text is words.
TEST(TextStream, StyleElementsMergeOnlyWithinOnePage) {
  EXPECT_EQ(words_of({"<style>red</style><b>x</b>", "<STYLE a>blue<b>", "</style>cyan<i>"}),
            record_line({"", "blue", "         2", "        10", "1", "xblue "}) +
                record_line({"", "cyan", "         3", "         9", "2", "xblue cyan "}));
}

// A word broken by a hyphen (or a soft hyphen) at a line end, going on in
// small letters, is one word at its first part's place; a hyphen before an
// inline tag, or before a capital, joins nothing. A tag between two words
// stands as one blank in the contexts.
TEST(TextStream, ReaderWordsJoinHyphenatedLineEnds) {
  std::string parts;
  EXPECT_EQ(
      reader_words_of({"<p>Geomet-</p>\n<p>rical non-<i>linear</i> Line-<br/>Ends "
                       "hyphen\xC2\xAD</p>\n<p>ation</p>"},
                      &parts),
      record_line({"Geometrical", "         1", "         4", "1", "Geometrical "}) +
          record_line({"non", "         1", "        25", "2", "Geometrical non "}) +
          record_line({"linear", "         1", "        32", "3", "Geometrical non- linear "}) +
          record_line({"Line", "         1", "        43", "4", "Geometrical non- linear Line "}) +
          record_line(
              {"Ends", "         1", "        53", "5", "Geometrical non- linear Line- Ends "}) +
          record_line({"hyphenation", "         1", "        58", "6",
                       "Geometrical non- linear Line- Ends hyphenation "}));
  EXPECT_EQ(parts, record_line({"         1", "         4", "6", "        19", "5"}) +
                       record_line({"         1", "        58", "6", "        74", "5"}));
}

// Character references are read as the characters they stand for (a named
// one the reader's rule does not know stays inside its word), and the word
// keeps the page's bytes and the place of its first one.
TEST(TextStream, ReaderWordsReadCharacterReferences) {
  EXPECT_EQ(reader_words_of({"<p>caf&#233;s &amp;c &#x201C;ok&#x201D; AT&amp;T na&iuml;ve</p>"}),
            record_line({"caf&#233;s", "         1", "         4", "1", "caf&#233;s "}) +
                record_line({"na&iuml;ve", "         1", "        50", "2",
                             "caf&#233;s &amp;c &#x201C;ok&#x201D; AT&amp;T na&iuml;ve "}));
}

}  // namespace
}  // namespace lexiweb
