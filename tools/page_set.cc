// Builds random page sets. Each set draws a mix of traits (stray brackets,
// style elements over page ends, NUL bytes, ...), some of them heavily, and
// writes every page from pieces chosen by that mix; what a page leaves open
// (a style element, a head, half a tag) may be closed on the next page.
#include "tools/page_set.h"

#include <array>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace lexiweb::tools {
namespace {

// splitmix64: small, fast and the same everywhere, unlike the standard
// library's distributions.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
  int between(int low, int high) { return low + below(high - low + 1); }
  bool percent(int chance) { return below(100) < chance; }
  template <size_t N>
  std::string_view pick(const std::array<std::string_view, N>& choices) {
    return choices[below(N)];
  }

 private:
  uint64_t state_;
};

enum Trait {
  kStrayBrackets,
  kBreaksInTags,
  kCrLf,
  kStyleScript,
  kOpenFrames,
  kTaglessPages,
  kEmptyPages,
  kNulBytes,
  kEntities,
  kQuotes,
  kDigits,
  kHighBytes,
  kLongWords,
  kManyOccurrences,
  kLongTags,
  kEmptyTags,
  kTrailingText,
  kTitleWords,
  kTraitCount
};

// 0: absent; 1: now and then; 3: often.
struct Mix {
  std::array<int, kTraitCount> weight{};
  bool on(Trait t) const { return weight[t] > 0; }
};

constexpr std::array<std::string_view, 34> kPlainWords = {
    "river", "River",  "RIVER",   "water",  "Water",  "sea",   "the",   "The",   "and",
    "of",    "to",     "a",       "is",     "stone",  "bank",  "flow",  "Flow",  "mill",
    "delta", "source", "rain",    "bridge", "ford",   "ab",    "x",     "Brook", "brook",
    "wet",   "corner", "estuary", "marsh",  "willow", "quays", "spring"};
constexpr std::array<std::string_view, 17> kPunctuatedWords = {
    "(river),", "water.", "ab.", "(x)",   "bank;",  "mill:",   "-flow-", "_under_", "...",
    "sea!",     "(",      ")",   "rain,", "delta-", "source_", "a.b.c",  "ford)."};
constexpr std::array<std::string_view, 12> kDigitWords = {
    "1", "7", "42", "0", "07", "3.14", "1,200", "2024", "9th", "100%", "0x1F", "12345678901234"};
constexpr std::array<std::string_view, 14> kEntityWords = {
    "&amp;",  "&lt;", "&gt;", "&nbsp;",      "&nbsp;",      "&#160;", "&quot;",
    "&copy;", "a;",   "abc;", "&nbsp;river", "water&nbsp;", "&x;",    "&amp;&amp;"};
constexpr std::array<std::string_view, 8> kQuotedWords = {
    "\"quoted\"", "it's", "'single'", "say\"what", "\"", "'", "don't", "o'clock"};
constexpr std::array<std::string_view, 10> kHighByteWords = {"caf\xc3\xa9",
                                                             "Gr\xc3\xb6\xc3\x9f"
                                                             "e",
                                                             "na\xc3\xafve",
                                                             "\xe9t\xe9",
                                                             "\xff\xfe\xfd",
                                                             "\xc3",
                                                             "\xe6\x97\xa5\xe6\x9c\xac",
                                                             "\x80"
                                                             "abc",
                                                             "\xc2\xa0word",
                                                             "\xef\xbb\xbf"
                                                             "bom"};
constexpr std::array<std::string_view, 10> kStrayText = {
    " < ", ">", "<", " a<b ", " x > y ", "<<", ">>", "->", "<-", " if a<b and c>d "};
constexpr std::array<std::string_view, 14> kOrdinaryTags = {"<p class=\"ft10\">",
                                                            "</p>",
                                                            "<br/>",
                                                            "<b>",
                                                            "</b>",
                                                            "<i>",
                                                            "</i>",
                                                            "<span>",
                                                            "</span>",
                                                            "<div>",
                                                            "</div>",
                                                            "<table>",
                                                            "<IMG SRC=x>",
                                                            "<!-- note -->"};
constexpr std::array<std::string_view, 16> kFrameTags = {
    "<html>",   "<HTML lang=en>", "</html>",         "<Body onload=x>", "</BODY>",  "<body>",
    "<htmlx>",  "<bodyguard>",    "<!doctype html>", "<!DOCTYPE>",      "<header>", "</head>",
    "<titles>", "</title>",       "<HEAD>",          "<Title>"};
constexpr std::array<std::string_view, 6> kStyleOpenings = {
    "<style>",  "<STYLE type=\"text/css\">",      "<Style>",
    "<script>", "<SCRIPT language='javascript'>", "<script\nsrc=\"x.js\">"};
constexpr std::array<std::string_view, 5> kElementContents = {
    "p {margin: 0; padding: 0;} .ft10{font-size:13px;font-family:Times;}",
    "if (a < b && c > d) { x = \"<p>river</p>\"; }", "<!--\n\tbody { color: red }\n-->",
    "var words = 'water sea stone';", "</p><b>bold words inside</b>"};

class PageBuilder {
 public:
  PageBuilder(Random& random, const Mix& mix) : r_(random), mix_(mix) {}

  // The bytes of page `number` (from 1); the last page leaves nothing for a
  // next page to close.
  std::string page(int number, bool last);

 private:
  bool use(Trait t, int base_chance) {
    return mix_.on(t) && r_.percent(base_chance * mix_.weight[t]);
  }
  std::string line_end() { return crlf_ ? "\r\n" : "\n"; }
  std::string word();
  std::string long_word();
  std::string separator();
  std::string text(int words);
  std::string tag();
  std::string long_tag();
  std::string element(bool may_stay_open);
  std::string paragraph();
  std::string many_occurrences();
  std::string body(int pieces);
  std::string converter_like_page(int number, bool last);
  std::string fragment_page(bool last);

  Random& r_;
  const Mix& mix_;
  bool crlf_ = false;
  std::string carry_;       // bytes the next page starts with
  bool head_open_ = false;  // a head or title start was left without its end
  bool occurrences_done_ = false;
};

std::string PageBuilder::word() {
  if (use(kLongWords, 3)) return long_word();
  if (use(kDigits, 12)) return std::string(r_.pick(kDigitWords));
  if (use(kEntities, 10)) return std::string(r_.pick(kEntityWords));
  if (use(kQuotes, 8)) return std::string(r_.pick(kQuotedWords));
  if (use(kHighBytes, 8)) return std::string(r_.pick(kHighByteWords));
  if (use(kNulBytes, 4)) return "ri" + std::string(1, '\0') + "ver";
  if (r_.percent(12)) return std::string(r_.pick(kPunctuatedWords));
  return std::string(r_.pick(kPlainWords));
}

// 60 to 5,000 bytes, so that some word records outgrow the sort's line limit.
std::string PageBuilder::long_word() {
  int length = r_.percent(50) ? r_.between(60, 400) : r_.between(3900, 5000);
  std::string w;
  w.reserve(length);
  for (int i = 0; i < length; ++i) w += static_cast<char>('a' + r_.below(26));
  if (r_.percent(30)) w[r_.below(length)] = '.';
  return w;
}

std::string PageBuilder::separator() {
  int roll = r_.below(100);
  if (roll < 70) return " ";
  if (roll < 80) return line_end();
  if (roll < 85) return "  ";
  if (roll < 88) return "\t";
  if (roll < 92 && mix_.on(kEntities)) return "&nbsp;";
  if (roll < 95 && mix_.on(kQuotes)) return "\"";
  return " ";
}

std::string PageBuilder::text(int words) {
  std::string out;
  for (int i = 0; i < words; ++i) {
    if (use(kStrayBrackets, 8)) out += r_.pick(kStrayText);
    out += word();
    out += separator();
  }
  return out;
}

// A tag of any kind the mix allows; NUL bytes and line breaks may stand inside.
std::string PageBuilder::tag() {
  if (use(kEmptyTags, 10)) return r_.percent(70) ? "<>" : "< >";
  if (use(kLongTags, 8)) return long_tag();
  if (use(kOpenFrames, 5)) return std::string(r_.pick(kFrameTags));
  if (r_.percent(15)) {
    return "<a href=\"" +
           std::string(r_.percent(50) ? "f000002.htm" : "https://www.example.org/x") + "\">" +
           text(r_.between(1, 3)) + "</a>";
  }
  std::string t(r_.pick(kOrdinaryTags));
  if (use(kBreaksInTags, 15)) {
    static constexpr std::array<std::string_view, 4> kBreaks = {"\n", "\r", "\r\n", "\n\n"};
    t.insert(t.size() - 1, " class=" + std::string(r_.pick(kBreaks)) + "x");
  }
  if (use(kQuotes, 5)) t.insert(t.size() - 1, " title=\"it's \"\"");
  if (use(kNulBytes, 4)) t.insert(1 + r_.below(static_cast<int>(t.size()) - 1), 1, '\0');
  return t;
}

// Longer than the 59 characters a tag record keeps.
std::string PageBuilder::long_tag() {
  static constexpr std::array<std::string_view, 5> kNames = {"div", "p", "HTML", "style", "title"};
  std::string t = "<" + std::string(r_.pick(kNames)) + " style=\"";
  int length = r_.between(50, 300);
  for (int i = 0; i < length; ++i) t += static_cast<char>('a' + r_.below(26));
  return t + "\">";
}

// A style or script element, perhaps never closed or closed on the next page.
std::string PageBuilder::element(bool may_stay_open) {
  std::string opening(r_.pick(kStyleOpenings));
  bool script = opening[2] == 'c' || opening[2] == 'C';
  std::string out = opening + std::string(r_.pick(kElementContents));
  if (r_.percent(30)) out += " " + text(r_.between(1, 4));
  std::string closing = script ? (r_.percent(50) ? "</script>" : "</SCRIPT >")
                               : (r_.percent(50) ? "</style>" : "</STYLE>");
  if (may_stay_open && r_.percent(40)) {
    // Closed at the start of the next page, or never.
    if (r_.percent(70)) carry_ += "more " + text(r_.between(0, 3)) + closing + line_end();
    return out;
  }
  return out + closing;
}

// A positioned paragraph as the converter writes it.
std::string PageBuilder::paragraph() {
  std::string out = "<p style=\"position:absolute;top:" + std::to_string(r_.between(20, 1100)) +
                    "px;left:" + std::to_string(r_.between(20, 800)) +
                    "px;white-space:nowrap\" class=\"ft1" + std::to_string(r_.below(4)) + "\">";
  out += text(r_.between(1, 12));
  if (r_.percent(20)) out += "<b>" + text(r_.between(1, 3)) + "</b>";
  return out + "</p>" + line_end();
}

// One word more than 1,200 times, between running numbers so that the
// context phrase stays short.
std::string PageBuilder::many_occurrences() {
  std::string out;
  int count = r_.between(1201, 1260);
  for (int i = 1; i <= count; ++i) {
    out += "Flow ";
    if (i % 4 == 0) out += std::to_string(i) + line_end();
  }
  return out;
}

std::string PageBuilder::body(int pieces) {
  std::string out;
  for (int i = 0; i < pieces; ++i) {
    int roll = r_.below(100);
    if (roll < 45) {
      out += paragraph();
    } else if (roll < 70) {
      out += tag();
    } else if (roll < 85) {
      out += text(r_.between(1, 6));
    } else if (use(kStyleScript, 20)) {
      out += element(false);
    } else if (use(kStrayBrackets, 20)) {
      out += r_.pick(kStrayText);
    } else {
      out += "<br/>" + line_end();
    }
    if (!occurrences_done_ && use(kManyOccurrences, 1)) {
      out += many_occurrences();
      occurrences_done_ = true;
    }
  }
  return out;
}

std::string PageBuilder::converter_like_page(int number, bool last) {
  std::string n = line_end();
  std::string out = "<!DOCTYPE html>" + n +
                    "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"\" xml:lang=\"\">" + n;
  out += r_.percent(80) ? "<head>" : "<HEAD profile=\"x\">";
  out += n + "<title>";
  if (use(kTitleWords, 30)) out += text(r_.between(1, 8));
  bool head_left_open = use(kOpenFrames, 25) && !last;
  if (head_left_open && r_.percent(50)) {
    // The title's end stands on the next page, or nowhere.
    if (r_.percent(70)) carry_ += text(r_.between(0, 2)) + "</title></head>" + n;
    head_open_ = true;
    return out + n;
  }
  out += "</title>" + n + n +
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"/>" + n;
  if (head_left_open) {
    if (r_.percent(70)) carry_ += "<meta name=\"x\"/>" + n + "</head>" + n;
    head_open_ = true;
    return out;
  }
  out += "</head>" + n + "<body bgcolor=\"#A0A0A0\" vlink=\"blue\" link=\"blue\">" + n;
  out += "<style type=\"text/css\">" + n + "<!--" + n +
         "\tp {margin: 0; padding: 0;}\t.ft10{font-size:16px;font-family:Times;color:#000000;}" +
         n + "-->" + n + "</style>" + n;
  out += "<div id=\"page" + std::to_string(number) +
         "-div\" style=\"position:relative;width:918px;height:1188px;\">" + n;
  out += "<img width=\"918\" height=\"1188\" src=\"page" + std::string(number < 10 ? "00" : "0") +
         std::to_string(number) + ".png\" alt=\"background image\"/>" + n;
  if (use(kTitleWords, 30)) {
    // No body text: the page's words, if it has any, are those of its title.
    return out + "</div>" + n + "</body>" + n + "</html>" + n;
  }
  out += body(r_.between(2, 10));
  if (use(kStyleScript, 15)) out += element(!last);
  out += "</div>" + n;
  if (!use(kOpenFrames, 15)) out += "</body>" + n + "</html>" + n;
  if (use(kTrailingText, 40)) out += text(r_.between(1, 5));
  return out;
}

// Markup without a frame, perhaps ending inside a tag.
std::string PageBuilder::fragment_page(bool last) {
  std::string out = body(r_.between(1, 8));
  if (use(kStyleScript, 20)) out += element(!last);
  if (use(kTrailingText, 40)) out += text(r_.between(1, 5));
  if (!last && use(kStrayBrackets, 20)) {
    // A tag cut in two by the page end.
    out += "<div class=\"split";
    carry_ += "half\">";
  }
  return out;
}

std::string PageBuilder::page(int number, bool last) {
  // An empty page leaves what the previous page left open to the next one.
  if (use(kEmptyPages, 15)) return "";
  std::string out;
  out.swap(carry_);
  crlf_ = use(kCrLf, 30);
  if (head_open_ && r_.percent(30)) {
    out += "</head>" + line_end();
    head_open_ = false;
  }
  if (use(kTaglessPages, 15)) return out + text(r_.between(1, 20));
  if (use(kNulBytes, 5)) out += std::string("\0\0", 2);
  out += r_.percent(65) ? converter_like_page(number, last) : fragment_page(last);
  if (use(kNulBytes, 5)) out += '\0';
  return out;
}

Mix random_mix(Random& r) {
  Mix mix;
  int chosen = 0;
  while (chosen < 3) {
    chosen = 0;
    for (int t = 0; t < kTraitCount; ++t) {
      int roll = r.below(100);
      mix.weight[t] = roll < 12 ? 3 : roll < 45 ? 1 : 0;
      if (mix.weight[t] > 0) ++chosen;
    }
  }
  return mix;
}

}  // namespace

PageSet make_page_set(uint64_t seed) {
  Random r(seed * 0x2545f4914f6cdd1dULL + 1);
  Mix mix = random_mix(r);
  int page_count = r.percent(70) ? r.between(1, 5) : r.between(6, 12);
  PageSet set;
  PageBuilder builder(r, mix);
  for (int page = 1; page <= page_count; ++page) {
    set.pages.push_back(builder.page(page, page == page_count));
  }
  if (r.percent(25)) set.image = "\x89PNG\r\n\x1a\nnot really an image";
  return set;
}

std::string converter_index(int page_count) {
  std::string out =
      "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"UTF-8\">\r\n"
      "<title>Index</title>\r\n</head>\r\n<body>\r\n";
  for (int page = 1; page <= page_count; ++page) {
    std::string n = std::to_string(page);
    out += "<a href=\"page" + n + ".html\">page" + n + "</a><br>\r\n";
  }
  return out + "</body>\r\n</html>\r\n";
}

void write_page_set(const PageSet& set, const std::filesystem::path& workdir) {
  const std::filesystem::path folder = workdir / "htm_in";
  std::filesystem::create_directories(folder);
  auto write = [](const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
  };
  write(folder / "index.htm", converter_index(static_cast<int>(set.pages.size())));
  for (size_t i = 0; i < set.pages.size(); ++i) {
    write(folder / ("page" + std::to_string(i + 1) + ".htm"), set.pages[i]);
  }
  if (!set.image.empty()) write(folder / "page001.png", set.image);
}

}  // namespace lexiweb::tools
