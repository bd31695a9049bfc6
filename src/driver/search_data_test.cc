#include "driver/search_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/file_ops.h"
#include "shell/scratch_catalogue.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::record_line;
using testing::write_file;

// The all-words list of `words`, each once on index page 1, in this order.
void write_all_words_list(const std::vector<std::string>& words) {
  std::string list;
  for (size_t n = 0; n < words.size(); ++n) {
    const std::string number = std::to_string(n + 1);
    list += record_line(
        {"in000001", "i" + std::string(10 - number.size(), '0') + number, words[n], "1"});
  }
  write_file(kAllWordsFile, list);
}

// Words are bytes from the pages, any bytes but a double quote: none may end
// its string or the script early, and none may make the file invalid
// script, whatever it holds (the site's words never hold < or >, but the
// data must not depend on that).
TEST(SearchData, EveryByteThatCouldBreakTheScriptIsEscaped) {
  testing::WorkingFolder folder;
  make_folder("htm_out");
  write_file(kAllWordsFile,
             record_line({"in000012", "i0000000412", "caf\xC3\xA9", "37"}) +
                 record_line({"in000012", "i0000000449", "c\\d'e</script><!--x-->", "2"}) +
                 record_line({"in000013", "i0000001201", "c\xE2\x80\xA8\xE2\x80\xA9", "1"}) +
                 record_line({"in000013", "i0000001202", "c\x01\x1f\x7f\xC3(\xFF", "1"}));
  write_search_data(kSearchPartBytes, WordRule::kBytes);

  EXPECT_EQ(read_file("htm_out/words/parts.js"),
            "lexiwebWords.parts([\r\n\"CAF\\xc3\\xa9\",\r\n]);\r\n");
  EXPECT_EQ(read_file("htm_out/words/p1.js"),
            "lexiwebWords.part(1, [\r\n"
            "\"caf\\xc3\\xa9\",37,12,412,\r\n"
            "\"c\\x5cd'e\\x3c/script\\x3e\\x3c!--x--\\x3e\",2,12,449,\r\n"
            "\"c\\xe2\\x80\\xa8\\xe2\\x80\\xa9\",1,13,1201,\r\n"
            "\"c\\x01\\x1f\\x7f\\xc3(\\xff\",1,13,1202,\r\n"
            "]);\r\n");
  EXPECT_EQ(matching_files("htm_out/words", "*").size(), 2u);
}

// A part holds the words of one first letter, case ignored, and at most the
// budget of bytes unless a single word needs more; the parts' first words
// stand in the list of parts, capitalized, in order.
TEST(SearchData, PartsSplitAtFirstLettersAndAtTheirSize) {
  testing::WorkingFolder folder;
  make_folder("htm_out");
  std::vector<std::string> words = {
      "Apple", "apricot", "avocado", "banana", "Berry", "blueberry", "c" + std::string(150, 'x'),
      "cherry"};
  write_all_words_list(words);
  write_search_data(75, WordRule::kBytes);

  EXPECT_EQ(
      read_file("htm_out/words/parts.js"),
      "lexiwebWords.parts([\r\n\"APPLE\",\r\n\"AVOCADO\",\r\n\"BANANA\",\r\n\"BLUEBERRY\",\r\n"
      "\"C" +
          std::string(150, 'X') + "\",\r\n\"CHERRY\",\r\n]);\r\n");
  EXPECT_EQ(read_file("htm_out/words/p1.js"),
            "lexiwebWords.part(1, [\r\n\"Apple\",1,1,1,\r\n\"apricot\",1,1,2,\r\n]);\r\n");
  EXPECT_EQ(read_file("htm_out/words/p2.js"),
            "lexiwebWords.part(2, [\r\n\"avocado\",1,1,3,\r\n]);\r\n");
  EXPECT_EQ(read_file("htm_out/words/p3.js"),
            "lexiwebWords.part(3, [\r\n\"banana\",1,1,4,\r\n\"Berry\",1,1,5,\r\n]);\r\n");
  EXPECT_EQ(read_file("htm_out/words/p5.js"),
            "lexiwebWords.part(5, [\r\n\"c" + std::string(150, 'x') + "\",1,1,7,\r\n]);\r\n");
  EXPECT_EQ(matching_files("htm_out/words", "*").size(), 7u);
}

// A run removes what an earlier one wrote, and nothing else there.
TEST(SearchData, DeletesTheWordListsOwnFilesOnly) {
  testing::WorkingFolder folder;
  make_folder("site");
  make_folder("site/words");
  for (const char* name : {"parts.js", "p1.js", "P12.JS"})
    write_file("site/words/" + std::string(name), "x");
  const std::vector<std::string> users = {"notes.txt", "p1.js.bak", "pa.js", "parts.json"};
  for (const std::string& name : users) write_file("site/words/" + name, "x");
  delete_search_data("site");
  EXPECT_EQ(matching_files("site/words", "*"), users);

  for (const std::string& name : users) delete_file("site/words/" + name);
  write_file("site/words/p2.js", "x");
  delete_search_data("site");
  EXPECT_FALSE(folder_exists("site/words"));
}

// Under the reader's rule each word comes with its key, folded and without
// accents, and the words stand in the order of their keys, the accented
// forms of a key first, whatever the all-words list's order.
TEST(SearchData, ReaderRuleOrdersWordsByTheirKeysAccentedFormsFirst) {
  testing::WorkingFolder folder;
  make_folder("htm_out");
  write_all_words_list({"10th", "eclair", "&#201;clair",
                        "Stra\xC3\x9F"
                        "e",
                        "Zoo", "\xE6\x97\xA5\xE6\x9C\xAC"});
  write_search_data(kSearchPartBytes, WordRule::kReader);

  EXPECT_EQ(read_file("htm_out/words/parts.js"),
            "lexiwebWords.parts([\r\n\"10TH\",\r\n\"ECLAIR\",\r\n\"STRASSE\",\r\n"
            "\"ZOO\",\r\n\"\\xe6\\x97\\xa5\\xe6\\x9c\\xac\",\r\n], \"folded\");\r\n");
  EXPECT_EQ(read_file("htm_out/words/p2.js"),
            "lexiwebWords.part(2, [\r\n\"&#201;clair\",\"eclair\",1,1,3,\r\n"
            "\"eclair\",\"eclair\",1,1,2,\r\n]);\r\n");
  EXPECT_EQ(read_file("htm_out/words/p3.js"),
            "lexiwebWords.part(3, [\r\n\"Stra\\xc3\\x9f"
            "e\",\"strasse\",1,1,4,\r\n]);\r\n");
}

}  // namespace
}  // namespace lexiweb
