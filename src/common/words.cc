// The word rules: ICU's word breaks, folding and collation for the
// reader's rule, the bytes for the byte rule.
#include "common/words.h"

#include <unicode/brkiter.h>
#include <unicode/coll.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/ustring.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "common/run_parameters.h"
#include "common/text.h"

namespace lexiweb {

namespace {

// ICU has no way on if its data is missing; nothing can be cut then.
void check(UErrorCode status, const char* what) {
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("ICU cannot ") + what + ": " + u_errorName(status));
  }
}

// Characters that never begin or end a word: format controls (the soft
// hyphen, zero-width and bidi controls), private-use codes, punctuation
// (the underscore that joins words, an "@" taken into a word) and symbols.
bool is_edge_character(UChar32 c) {
  const uint32_t mask = U_GC_CF_MASK | U_GC_CO_MASK | U_GC_P_MASK | U_GC_S_MASK;
  return (U_GET_GC_MASK(c) & mask) != 0 || c == 0x200B || c == 0xFEFF;
}

// The character that ends at `end`; `*start` is where it starts.
UChar32 character_before(std::string_view text, size_t end, size_t* start) {
  int32_t i = static_cast<int32_t>(end);
  UChar32 c;
  U8_PREV(text.data(), 0, i, c);
  *start = static_cast<size_t>(i);
  return c;
}

// A blank and the page and position fields end a record key.
constexpr size_t kPlaceBytes = 21;

// The collation key is made from this many characters at most: the folded
// word that follows it tells longer words apart.
constexpr int32_t kCollatedCharacters = 64;

// `text` read from UTF-8 into `out`.
void set_from_utf8(icu::UnicodeString& out, std::string_view text) {
  out = icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

// `form` of `from` into `to`.
void normalize(const icu::Normalizer2& form, const icu::UnicodeString& from,
               icu::UnicodeString& to) {
  UErrorCode status = U_ZERO_ERROR;
  form.normalize(from, to, status);
  check(status, "normalize");
}

}  // namespace

int32_t character_at(std::string_view text, size_t at, size_t* after) {
  int32_t i = static_cast<int32_t>(at);
  UChar32 c;
  U8_NEXT(text.data(), i, static_cast<int32_t>(text.size()), c);
  *after = static_cast<size_t>(i);
  return c;
}

WordRule word_rule() {
  static const WordRule rule = [] {
    const char* value = std::getenv(kWordRuleVariable);
    return value != nullptr && std::string_view(value) == "bytes" ? WordRule::kBytes
                                                                  : WordRule::kReader;
  }();
  return rule;
}

std::string word_rule_failure() {
  try {
    WordBreaker breaker;
    WordFolder folder;
  } catch (const std::runtime_error& failure) {
    return failure.what();
  }
  return "";
}

struct WordBreaker::Icu {
  std::unique_ptr<icu::BreakIterator> breaks;
  UText* text = nullptr;
  int32_t start = 0;
  ~Icu() { utext_close(text); }
};

WordBreaker::WordBreaker() : icu_(new Icu) {
  UErrorCode status = U_ZERO_ERROR;
  icu_->breaks.reset(icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
  check(status, "cut words");
}

WordBreaker::~WordBreaker() = default;

void WordBreaker::set_text(std::string_view utf8) {
  text_ = utf8;
  UErrorCode status = U_ZERO_ERROR;
  icu_->text = utext_openUTF8(icu_->text, utf8.data(), static_cast<int64_t>(utf8.size()), &status);
  check(status, "read text");
  icu_->breaks->setText(icu_->text, status);
  check(status, "cut words");
  icu_->start = icu_->breaks->first();
}

bool WordBreaker::next(WordPlace* word) {
  for (;;) {
    const int32_t end = icu_->breaks->next();
    if (end == icu::BreakIterator::DONE) return false;
    const int32_t start = icu_->start;
    icu_->start = end;
    if (icu_->breaks->getRuleStatus() < UBRK_WORD_NUMBER) continue;
    size_t begin = static_cast<size_t>(start);
    size_t finish = static_cast<size_t>(end);
    size_t after = begin;
    while (begin < finish && is_edge_character(character_at(text_, begin, &after))) {
      begin = after;
    }
    size_t start_of_last = finish;
    while (finish > begin && is_edge_character(character_before(text_, finish, &start_of_last))) {
      finish = start_of_last;
    }
    if (begin == finish) continue;
    word->begin = begin;
    word->end = finish;
    return true;
  }
}

struct WordFolder::Icu {
  const icu::Normalizer2* fold = nullptr;
  const icu::Normalizer2* decompose = nullptr;
  const icu::Normalizer2* compose = nullptr;
  std::unique_ptr<icu::Collator> collator;
  icu::UnicodeString text;
  icu::UnicodeString result;
  std::string folded;
  std::string bare;
  std::vector<uint8_t> sort_key;
};

WordFolder::WordFolder() : icu_(new Icu) {
  UErrorCode status = U_ZERO_ERROR;
  icu_->fold = icu::Normalizer2::getNFKCCasefoldInstance(status);
  check(status, "fold case");
  icu_->decompose = icu::Normalizer2::getNFDInstance(status);
  icu_->compose = icu::Normalizer2::getNFCInstance(status);
  check(status, "normalize");
  icu_->collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
  check(status, "collate");
  icu_->sort_key.resize(256);
}

WordFolder::~WordFolder() = default;

std::string_view WordFolder::fold(std::string_view word) {
  // Most words of most documents are ASCII, which folds to its small letters.
  bool ascii = true;
  for (char c : word) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    icu_->folded.assign(word);
    for (char& c : icu_->folded) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return icu_->folded;
  }
  set_from_utf8(icu_->text, word);
  normalize(*icu_->fold, icu_->text, icu_->result);
  // The typographic apostrophes stand for the plain one (don't, don’t).
  icu_->result.findAndReplace(icu::UnicodeString(static_cast<UChar>(0x2019)),
                              icu::UnicodeString(static_cast<UChar>('\'')));
  icu_->result.findAndReplace(icu::UnicodeString(static_cast<UChar>(0x02BC)),
                              icu::UnicodeString(static_cast<UChar>('\'')));
  icu_->folded.clear();
  icu_->result.toUTF8String(icu_->folded);
  return icu_->folded;
}

void WordFolder::append_sort_key(std::string_view folded, std::string& key) {
  static constexpr char kHex[] = "0123456789abcdef";
  set_from_utf8(icu_->text, folded);
  if (icu_->text.countChar32() > kCollatedCharacters) {
    icu_->text.truncate(icu_->text.moveIndex32(0, kCollatedCharacters));
  }
  int32_t size = icu_->collator->getSortKey(icu_->text, icu_->sort_key.data(),
                                            static_cast<int32_t>(icu_->sort_key.size()));
  if (size > static_cast<int32_t>(icu_->sort_key.size())) {
    icu_->sort_key.resize(static_cast<size_t>(size));
    size = icu_->collator->getSortKey(icu_->text, icu_->sort_key.data(), size);
  }
  // The key ends with a zero byte, which the blank after it stands for.
  for (int32_t i = 0; i + 1 < size; ++i) {
    key += kHex[icu_->sort_key[static_cast<size_t>(i)] >> 4];
    key += kHex[icu_->sort_key[static_cast<size_t>(i)] & 0xf];
  }
  key += ' ';
  // A record field holds no double quote; no word holds a control character.
  for (char c : folded) key += c == '"' ? '\x7f' : c;
}

std::string_view WordFolder::without_accents(std::string_view folded) {
  set_from_utf8(icu_->text, folded);
  normalize(*icu_->decompose, icu_->text, icu_->result);
  icu_->text.remove();
  for (int32_t i = 0; i < icu_->result.length(); ++i) {
    const UChar c = icu_->result.charAt(i);
    if (c < 0x300 || c > 0x36f) icu_->text.append(c);
  }
  normalize(*icu_->compose, icu_->text, icu_->result);
  icu_->bare.clear();
  icu_->result.toUTF8String(icu_->bare);
  return icu_->bare;
}

bool is_indexed_word(std::string_view folded) {
  if (folded.empty()) return false;
  if (folded[0] >= '1' && folded[0] <= '9') return true;
  size_t characters = 0;
  bool han = false;
  bool east = false;
  for (int32_t i = 0; i < static_cast<int32_t>(folded.size());) {
    UChar32 c;
    U8_NEXT(folded.data(), i, static_cast<int32_t>(folded.size()), c);
    if (++characters >= 3) return true;
    // Below U+0E00 (Thai) there is no script of the short words.
    if (c < 0x0E00) continue;
    UErrorCode status = U_ZERO_ERROR;
    const UScriptCode script = uscript_getScript(c, &status);
    if (script == USCRIPT_HAN) han = true;
    if (script == USCRIPT_HIRAGANA || script == USCRIPT_KATAKANA || script == USCRIPT_HANGUL ||
        script == USCRIPT_THAI || (c >= 0x3040 && c <= 0x30ff)) {
      east = true;
    }
  }
  return han || (characters >= 2 && east);
}

bool is_indexed_byte_word(std::string_view word) {
  if (word.empty()) return false;
  return word.size() >= static_cast<size_t>(min_word_length) || (word[0] >= '1' && word[0] <= '9');
}

void append_record_key(WordFolder& folder, std::string_view folded, std::string_view page,
                       std::string_view position, std::string& key) {
  folder.append_sort_key(folded, key);
  key += ' ';
  key += page;
  key += position;
}

bool same_word(std::string_view key_a, std::string_view word_a, std::string_view key_b,
               std::string_view word_b) {
  if (word_rule() == WordRule::kBytes) {
    return word_a.size() == word_b.size() && starts_with_ignoring_case(word_a, word_b);
  }
  const size_t length_a = key_a.size() - std::min(key_a.size(), kPlaceBytes);
  const size_t length_b = key_b.size() - std::min(key_b.size(), kPlaceBytes);
  return key_a.substr(0, length_a) == key_b.substr(0, length_b);
}

}  // namespace lexiweb
