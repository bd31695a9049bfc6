#include "common/words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lexiweb {
namespace {

// The words of `text` that the index takes, folded, as "word" or, for the
// words it leaves out, "(word)".
std::string words_of(const std::string& text) {
  WordBreaker breaker;
  WordFolder folder;
  breaker.set_text(text);
  std::string out;
  WordPlace place;
  while (breaker.next(&place)) {
    const std::string folded(folder.fold(text.substr(place.begin, place.end - place.begin)));
    if (!out.empty()) out += ' ';
    out += is_indexed_word(folded) ? folded : "(" + folded + ")";
  }
  return out;
}

struct ScriptCase {
  const char* name;
  const char* text;
  const char* words;
};

void PrintTo(const ScriptCase& c, std::ostream* os) { *os << c.name; }

class WordsOfEachScript : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(WordsOfEachScript, AreCutFoldedAndKeptAsTheRuleSays) {
  EXPECT_EQ(words_of(GetParam().text), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, WordsOfEachScript,
    ::testing::Values(
        // By ICU's dictionaries; a Han word of one character is a word, a
        // lone kana is a particle.
        ScriptCase{"Chinese", "我们在北京大学学习中文", "我们 在 北京 大学 学习 中文"},
        ScriptCase{"Japanese", "日本語の文章を単語に分けます",
                   "日本語 (の) 文章 (を) 単語 (に) 分け ます"},
        ScriptCase{"Thai", "ภาษาไทยง่ายนิดเดียว", "ภาษา ไทย ง่าย นิด เดียว"},
        ScriptCase{"CyrillicAndGreekCase", "Без без ΣΟΦΟΣ σοφός Straße",
                   "без без σοφοσ σοφόσ strasse"},
        ScriptCase{"QuotesOfSeveralLanguages", "“cheaper” «больших» „grubą” ‚x‘ don’t",
                   "cheaper больших grubą (x) don't"},
        ScriptCase{"LigaturesAndFullWidthForms", "ﬁle ｆｕｌｌ", "file full"},
        ScriptCase{"InvisibleCharacters",
                   "hyphen\u00ADation \u202Aword\u202C \u2067ab\u2069 x\u200By \uE001pua",
                   "hyphenation word (ab) (x) (y) pua"},
        ScriptCase{"PunctuationAndNumbers", "mfcoefs(mf,6 Linux) matrix! 3.14 10 0 07",
                   "mfcoefs (mf) 6 linux matrix 3.14 10 (0) (07)"}),
    [](const ::testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.name); });

// The all-words order: accents after the bare letter and before the next
// one, Ł with L (not after Z), digits before letters, capitals with their
// small letters, then Greek and Cyrillic.
TEST(WordFolder, SortKeysFollowTheRootCollationOfTheFoldedWords) {
  WordFolder folder;
  const std::vector<std::string> words = {"Zebra", "Łódź", "éclair", "Apple",  "ecole", "lzy",
                                          "École", "10th", "Ωmega",  "Яблоко", "mango", "ÉTÉ"};
  std::vector<std::pair<std::string, std::string>> keyed;
  for (const std::string& word : words) {
    const std::string folded(folder.fold(word));
    std::string key;
    folder.append_sort_key(folded, key);
    EXPECT_EQ(key.find_first_of("\"\r\n"), std::string::npos) << word;
    keyed.emplace_back(key, word);
  }
  std::sort(keyed.begin(), keyed.end());
  std::string order;
  for (const auto& [key, word] : keyed) order += word + " ";
  EXPECT_EQ(order, "10th Apple éclair ecole École ÉTÉ Łódź lzy mango Zebra Ωmega Яблоко ");
}

// Case forms share a key; forms that fold apart keep apart, even where the
// collation calls them equal.
TEST(WordFolder, KeysOfTheSameFoldedWordAreEqualAndOfOthersDiffer) {
  WordFolder folder;
  auto key_of = [&](std::string_view word) {
    std::string key;
    folder.append_sort_key(std::string(folder.fold(word)), key);
    return key;
  };
  EXPECT_EQ(key_of("STRASSE"), key_of("Straße"));
  EXPECT_EQ(key_of("ŚRODOWISK"), key_of("środowisk"));
  EXPECT_NE(key_of("ecole"), key_of("école"));
  EXPECT_NE(key_of("a\u0301b"), key_of("ab"));
  EXPECT_EQ(folder.without_accents("écoleŁódź"), "ecoleŁodz");
}

TEST(SameWord, ComparesRecordKeysWithoutTheirPlace) {
  if (word_rule() != WordRule::kReader) GTEST_SKIP() << "LEXIWEB_WORDS is set";
  WordFolder folder;
  std::string first;
  std::string second;
  std::string other;
  append_record_key(folder, "water", "         1", "        17", first);
  append_record_key(folder, "water", "        12", "       300", second);
  append_record_key(folder, "waters", "         1", "        17", other);
  EXPECT_TRUE(same_word(first, "Water", second, "WATER"));
  EXPECT_FALSE(same_word(first, "water", other, "waters"));
  EXPECT_LT(first, second);
}

}  // namespace
}  // namespace lexiweb
