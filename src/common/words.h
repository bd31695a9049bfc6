// What a word of the document is and how two words compare: the one place
// that the word extraction, the word list, its sort and the search field's
// word list ask.
//
// Two rules. The reader's rule, in force by default: words are cut by ICU's
// word breaks (UAX #29, with ICU's dictionaries for Chinese, Japanese, Thai,
// Lao, Khmer and Burmese) over the text with its character references
// decoded, compared by NFKC and full case folding, and ordered by ICU's root
// collation of the folded words. The byte rule (LEXIWEB_WORDS=bytes): words
// are the bytes between blanks, compared with ASCII letters folded, in byte
// order, as the first version of the program cut them.
#ifndef LEXIWEB_COMMON_WORDS_H_
#define LEXIWEB_COMMON_WORDS_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace lexiweb {

enum class WordRule { kReader, kBytes };

// The rule in force, read once from the environment variable LEXIWEB_WORDS:
// "bytes" chooses the byte rule, anything else or nothing the reader's.
WordRule word_rule();

// Empty when ICU can cut, fold and order words; else why it cannot (its
// data missing, say), in a few words. The word breaker and folder throw
// std::runtime_error with that reason; the stages ask first.
std::string word_rule_failure();

// The name of the environment variable.
inline constexpr char kWordRuleVariable[] = "LEXIWEB_WORDS";

// A word of a text: the bytes [begin, end).
struct WordPlace {
  size_t begin = 0;
  size_t end = 0;
};

// Cuts UTF-8 text into the words of the reader's rule: the segments that
// ICU's word breaks mark as letters, numbers, kana or ideographs, without
// the invisible characters (format controls such as the soft hyphen, the
// zero-width and bidi controls) at their ends. One breaker serves any
// number of texts.
class WordBreaker {
 public:
  WordBreaker();
  ~WordBreaker();
  WordBreaker(const WordBreaker&) = delete;
  WordBreaker& operator=(const WordBreaker&) = delete;

  // The text stays the caller's and must outlive the walk over it.
  void set_text(std::string_view utf8);
  // The next word of the text; false after the last.
  bool next(WordPlace* word);

 private:
  struct Icu;
  std::unique_ptr<Icu> icu_;
  std::string_view text_;
};

// Folds words and makes their sort keys for the reader's rule, reusing its
// buffers from word to word.
class WordFolder {
 public:
  WordFolder();
  ~WordFolder();
  WordFolder(const WordFolder&) = delete;
  WordFolder& operator=(const WordFolder&) = delete;

  // The word as it compares: UTF-8 `word` (character references already
  // decoded) by NFKC and full case folding, default-ignorable characters
  // (soft hyphen, bidi controls) left out and the typographic apostrophes
  // read as "'". The result stays valid until the next call.
  std::string_view fold(std::string_view word);

  // Appends the sort key of a folded word: its ICU root collation key in
  // hex, a blank and the folded word itself (so that distinct words never
  // compare equal), with nothing that a record field may not hold. Keys
  // compare in byte order, ASCII letters folded or not alike.
  void append_sort_key(std::string_view folded, std::string& key);

  // The folded word without the accents of Latin, Greek and Cyrillic
  // letters (the combining marks U+0300 to U+036F after canonical
  // decomposition), as the search field matches a word typed without them.
  std::string_view without_accents(std::string_view folded);

 private:
  struct Icu;
  std::unique_ptr<Icu> icu_;
};

// The character of the UTF-8 `text` that starts at `at`, negative where
// its bytes are no UTF-8; `*after` is where the next one starts.
int32_t character_at(std::string_view text, size_t at, size_t* after);

// True when a folded word of the reader's rule is indexed: it has at least
// 3 characters, begins with a digit 1 to 9, holds a Han character, or has
// at least 2 characters and holds kana, Hangul or Thai (a lone kana is a
// particle, as "of" is in English).
bool is_indexed_word(std::string_view folded);

// True when a word of the byte rule is indexed: at least `min_word_length`
// bytes, or beginning with a digit 1 to 9.
bool is_indexed_byte_word(std::string_view word);

// The sort key of a word record under the reader's rule: the word's sort
// key, a blank and the fixed-width page and position fields, so that the
// sort keeps each word's occurrences in document order. Under the byte rule
// the key is empty, for the records sort by the word itself.
// `folded` is the word folded by a WordFolder, which makes the key.
void append_record_key(WordFolder& folder, std::string_view folded, std::string_view page,
                       std::string_view position, std::string& key);

// True when the keys and words of two word records name the same word:
// under the reader's rule the keys are equal up to their page and position;
// under the byte rule the words are equal, ASCII letters compared without
// regard to case.
bool same_word(std::string_view key_a, std::string_view word_a, std::string_view key_b,
               std::string_view word_b);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_WORDS_H_
