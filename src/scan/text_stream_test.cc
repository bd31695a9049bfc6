#include "scan/text_stream.h"

#include <gtest/gtest.h>

#include "scan/style_script_removal.h"
#include "scan/tag_separation.h"
#include "scan/word_extraction.h"
#include "shell/record_writer.h"
#include "shell/scratch_catalogue.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_file;

std::string words_of(const std::vector<std::string>& pages) {
  testing::WorkingFolder folder;
  for (size_t i = 0; i < pages.size(); ++i)
    write_file("w_" + std::to_string(i + 1) + ".htm", pages[i]);
  write_tag_records(static_cast<long>(pages.size()));
  strip_style_script();
  {
    RecordWriter out(kWordsFile);
    WordCutter words(out);
    cut_text_stream(static_cast<long>(pages.size()), words);
  }
  return read_file(kWordsFile);
}

// Text after the last tag of a page is no text, unless that tag is the last
// of the document: then everything after it runs on, over the following
// pages with no break, so that a word can start on one page and end on the next.
TEST(TextStream, OnlyTheDocumentsLastTagLetsTheTextRunOnOverPages) {
  EXPECT_EQ(words_of({"<p>one</p>lost", "<p>two</p>tail", "more "}),
            record_line({"one", "         1", "         4", "1", "one "}) +
                record_line({"two", "         2", "         4", "2", "one two "}) +
                record_line({"tailmore", "         2", "        11", "3", "one two tailmore  "}));
}

// A style element closed on a later page merges nothing: its text is words.
TEST(TextStream, StyleElementsMergeOnlyWithinOnePage) {
  EXPECT_EQ(words_of({"<style>red</style><b>x</b>", "<STYLE a>blue<b>", "</style>cyan<i>"}),
            record_line({"blue", "         2", "        10", "1", "xblue "}) +
                record_line({"cyan", "         3", "         9", "2", "xblue cyan "}));
}

}  // namespace
}  // namespace lexiweb
