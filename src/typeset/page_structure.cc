// The fragments are read once, with their places, classes and texts; rows
// (fragments side by side on one baseline) and blocks (rows that read on
// from one another) are found in the converter's order, which keeps
// paragraphs and columns whole; only the running header goes first and the
// running footer last. Sizes and places are in the page's pixels.
#include "typeset/page_structure.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "common/drawn_text.h"
#include "common/page_heads.h"
#include "common/utf8.h"
#include "typeset/flow_view.h"
#include "typeset/font_folder.h"
#include "typeset/markup_text.h"
#include "typeset/page_layout.h"
#include "typeset/style_classes.h"

namespace lexiweb {
namespace {

constexpr std::string_view kFragmentStart = "<p style=\"position:absolute;";
constexpr std::string_view kLineBreak = "<br/>";
// How many pages back a running header or footer is looked for.
constexpr size_t kMarginPages = 6;
// The share of the page's height at its top and bottom where running
// headers, footers and page numbers stand.
constexpr double kMarginBand = 0.1;
// The distance of a fragment's lines, by its size: an estimate, since the
// converter tells a fragment's top alone.
constexpr double kLinePitch = 1.2;

// What a class rule tells of its fragments' type.
struct ClassType {
  double size = 0;
  double line_height = 0;
  bool bold = false;
  bool fixed_pitch = false;
};

// The elements of a tagged page by their ids.
class PageTags {
 public:
  explicit PageTags(const DrawnStructurePage* page) : page_(page) {
    if (page == nullptr) return;
    for (size_t i = 0; i < page->elements.size(); ++i) index_[page->elements[i].id] = i;
  }
  bool tagged() const { return page_ != nullptr && !page_->elements.empty(); }
  const DrawnElement* element(long id) const {
    const auto found = index_.find(id);
    return found == index_.end() ? nullptr : &page_->elements[found->second];
  }
  // The element that a piece of text of `id` makes a block of: itself, or
  // the nearest of its ancestors that is no part of a line (a link, a
  // span) nor of a list item (its label, its body).
  long block_of(long id) const {
    for (const DrawnElement* e = element(id); e != nullptr; e = element(e->parent)) {
      static const std::set<std::string_view> kInline = {
          "Span",  "Link",     "Quote", "Note",   "Reference", "Annot",   "Lbl",
          "LBody", "Ruby",     "RB",    "RT",     "RP",        "Warichu", "WT",
          "WP",    "BibEntry", "Em",    "Strong", "Sub",       "Formula", "-"};
      if (kInline.contains(e->role)) continue;
      // Code within a line of text is a word of it; a listing stands on
      // its own, under a section.
      if (e->role == "Code" && in_line(e->parent)) continue;
      return e->id;
    }
    return id;
  }
  const DrawnStructurePage& page() const { return *page_; }

 private:
  // Whether element `id` holds lines of text: a paragraph, a heading, a
  // cell, a caption, or a part of one.
  bool in_line(long id) const {
    const DrawnElement* e = element(id);
    if (e == nullptr) return false;
    static const std::set<std::string_view> kLines = {
        "P",       "H",   "H1",    "H2",   "H3",   "H4",    "H5",   "H6",        "TH", "TD",
        "Caption", "Lbl", "LBody", "Span", "Link", "Quote", "Note", "Reference", "Em", "Strong"};
    return kLines.contains(e->role);
  }

  const DrawnStructurePage* page_;
  std::map<long, size_t> index_;
};

double number_after(std::string_view text, std::string_view key) {
  const size_t at = text.find(key);
  if (at == std::string_view::npos) return 0;
  return std::strtod(std::string(text.substr(at + key.size(), 16)).c_str(), nullptr);
}

std::map<std::string, ClassType> class_types(std::string_view page_html) {
  std::map<std::string, ClassType> types;
  for (const ClassRule& rule : class_rules(page_html)) {
    const std::string_view body =
        page_html.substr(rule.body_start, rule.body_end - rule.body_start);
    ClassType type;
    type.size = std::strtod(std::string(declared_value(body, "font-size")).c_str(), nullptr);
    type.line_height =
        std::strtod(std::string(declared_value(body, "line-height")).c_str(), nullptr);
    type.bold = declared_value(body, "font-weight").find("bold") != std::string_view::npos;
    type.fixed_pitch =
        declared_value(body, "font-family").find("monospace") != std::string_view::npos;
    types[std::string(rule.name)] = type;
  }
  return types;
}

size_t letter_count(std::string_view text) {
  size_t letters = 0;
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    // ASCII letters and digits, and the lead byte of every other character.
    if ((byte >= '0' && byte <= '9') || ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z') ||
        byte >= 0xC2) {
      ++letters;
    }
  }
  return letters;
}

// The page's fragment number `source`, as the structure sees it.
Fragment read_fragment(const ConvertedPage& page, size_t source,
                       const std::map<std::string, ClassType>& types) {
  const PageFragment& read = page.fragments[source];
  const std::string_view tag = start_tag(page, read);
  const std::string_view inner = content_of(page, read);
  Fragment fragment;
  fragment.source = source;
  fragment.begin = read.begin;
  fragment.end = read.end;
  fragment.top = number_after(tag, "top:");
  fragment.left = number_after(tag, "left:");
  if (!read.class_name.empty()) {
    if (const auto found = types.find(read.class_name); found != types.end()) {
      if (found->second.size > 0) fragment.size = found->second.size;
      fragment.bold = found->second.bold;
      fragment.fixed_pitch = found->second.fixed_pitch;
    }
  }
  // A fragment of recognised text carries its size itself.
  if (const double size = number_after(tag, "font-size:"); size > 0) fragment.size = size;
  fragment.link = inner.find("<a href") != std::string_view::npos;
  fragment.bold = fragment.bold || inner.starts_with("<b>");
  double longest = 0;
  double last = 0;
  size_t line_start = 0;
  fragment.lines = 0;
  while (true) {
    const size_t line_end = inner.find(kLineBreak, line_start);
    const std::string line = text_of_markup(inner.substr(line_start, line_end - line_start));
    if (fragment.lines == 0) fragment.first_line = line;
    fragment.last_line = line;
    if (!fragment.text.empty()) fragment.text += ' ';
    fragment.text += line;
    last = static_cast<double>(letter_count(line) + std::count(line.begin(), line.end(), ' '));
    longest = std::max(longest, last);
    ++fragment.lines;
    if (line_end == std::string_view::npos) break;
    line_start = line_end + kLineBreak.size();
  }
  fragment.letters = letter_count(fragment.text);
  // The widths the renderer measured, else an estimate of half an em a character.
  fragment.width = longest * fragment.size * 0.5;
  fragment.last_width = last * fragment.size * 0.5;
  if (!read.widths.empty()) {
    std::string_view list = read.widths;
    double widest = 0;
    while (!list.empty()) {
      const double line_width =
          std::strtod(std::string(list.substr(0, list.find(','))).c_str(), nullptr);
      widest = std::max(widest, line_width);
      fragment.last_width = line_width;
      const size_t comma = list.find(',');
      if (comma == std::string_view::npos) break;
      list.remove_prefix(comma + 1);
    }
    fragment.width = widest;
  }
  fragment.height = fragment.lines * fragment.size * kLinePitch;
  return fragment;
}

bool is_bullet(std::string_view mark) {
  static const std::set<std::string_view> kBullets = {"\xE2\x80\xA2",
                                                      "\xE2\x97\xA6",
                                                      "\xE2\x96\xAA",
                                                      "\xE2\x80\x93",
                                                      "-",
                                                      "*",
                                                      "\xC2\xB7",
                                                      "\xE2\x80\xA3",
                                                      "\xE2\x88\x99",
                                                      "\xE2\x97\x8B",
                                                      "\xE2\x96\xA0",
                                                      "\xE2\x96\xA1",
                                                      "\xE2\x97\x8F",
                                                      "\xE2\x9E\xA2",
                                                      "\xE2\x86\x92",
                                                      "\xE2\x80\x94",
                                                      "\xEF\x82\xB7"};
  return kBullets.contains(mark);
}

// A list item's number: "3.", "12)", "a)", "iv.", "(2)".
bool is_number_mark(std::string_view mark) {
  if (mark.size() < 2 || mark.size() > 6) return false;
  std::string_view inner = mark;
  if (inner.front() == '(' && inner.back() == ')') {
    inner = inner.substr(1, inner.size() - 2);
  } else if (inner.back() == '.' || inner.back() == ')') {
    inner.remove_suffix(1);
  } else {
    return false;
  }
  if (inner.empty()) return false;
  const bool digits =
      std::all_of(inner.begin(), inner.end(), [](char c) { return c >= '0' && c <= '9'; });
  const bool roman = std::all_of(inner.begin(), inner.end(),
                                 [](char c) { return c == 'i' || c == 'v' || c == 'x'; });
  const bool letter = inner.size() == 1 && inner[0] >= 'a' && inner[0] <= 'z';
  return (digits && inner.size() <= 3) || roman || letter;
}

// Whether `text` names a figure, a table or a listing by its number.
bool is_caption(std::string_view text) {
  for (std::string_view name : {"Figure ", "Fig. ", "Table ", "Listing ", "Algorithm ", "TABLE ",
                                "FIGURE ", "Abbildung ", "Tabelle ", "Tableau "}) {
    if (text.starts_with(name) && text.size() > name.size() &&
        (std::isdigit(static_cast<unsigned char>(text[name.size()])) || text[name.size()] == 'I' ||
         text[name.size()] == 'V' || text[name.size()] == 'X')) {
      return true;
    }
  }
  return false;
}

// Whether `text` is the title of a part that documents set without a
// number, often no larger than their text and left out of their outline:
// "Abstract", "References", "Appendix B", "Appendix A: Proofs" ...
bool is_unnumbered_part_title(std::string_view text) {
  static const std::set<std::string_view> kTitles = {
      "abstract", "summary", "references", "bibliography", "acknowledgments", "acknowledgements",
      "acknowledgment", "acknowledgement", "contents", "table of contents", "index", "appendix",
      "appendices", "preface", "foreword", "glossary", "nomenclature", "list of figures",
      "list of tables", "introduction", "conclusion", "conclusions", "notes", "further reading",
      // German and French
      "zusammenfassung", "inhalt", "inhaltsverzeichnis", "literatur", "literaturverzeichnis",
      "danksagung", "anhang", "vorwort", "register", "stichwortverzeichnis", "r\u00E9sum\u00E9",
      "table des mati\u00E8res", "bibliographie", "remerciements", "annexe", "pr\u00E9face",
      "sommaire"};
  text = trimmed(text);
  const std::string key = matching_key(text);
  if (kTitles.contains(key)) return true;
  // An appendix by its letter or number, perhaps with a title after a colon or a stop.
  for (std::string_view name : {"Appendix ", "APPENDIX ", "Anhang ", "Annexe "}) {
    if (!text.starts_with(name)) continue;
    std::string_view label = text.substr(name.size());
    const size_t label_end = label.find_first_of(" :.");
    const std::string_view rest =
        label_end == std::string_view::npos ? "" : label.substr(label_end);
    label = label.substr(0, label_end);
    const bool label_ok =
        !label.empty() && label.size() <= 4 && std::all_of(label.begin(), label.end(), [](char c) {
          return std::isupper(static_cast<unsigned char>(c)) ||
                 std::isdigit(static_cast<unsigned char>(c));
        });
    return label_ok &&
           (rest.empty() || rest.starts_with(":") || rest.starts_with(". ") || rest == ".");
  }
  return false;
}

// Marks the rows that form tables: two or more rows one under the other,
// each of two cells or more, at least two of whose cells start in line.
void find_tables(const std::vector<Fragment>& fragments, std::vector<Row>& rows) {
  for (Row& row : rows) {
    row.cells.push_back(row.first);
    for (size_t i = row.first + 1; i <= row.last; ++i) {
      const Fragment& before = fragments[i - 1];
      if (fragments[i].left - before.left - before.width > 1.5 * std::max(row.size, 1.0)) {
        row.cells.push_back(i);
      }
    }
  }
  auto in_line = [&](const Row& a, const Row& b) {
    if (a.cells.size() < 2 || b.cells.size() < 2 || a.marked || b.marked) return false;
    const double size = std::max(a.size, b.size);
    if (b.top - a.bottom > 1.5 * size || b.top <= a.top) return false;
    int aligned = 0;
    for (size_t i : a.cells) {
      for (size_t j : b.cells) {
        if (std::abs(fragments[i].left - fragments[j].left) <= 0.8 * size ||
            std::abs(fragments[i].left + fragments[i].width - fragments[j].left -
                     fragments[j].width) <= 0.8 * size) {
          ++aligned;
          break;
        }
      }
    }
    return aligned >= 2;
  };
  for (size_t r = 0; r + 1 < rows.size(); ++r) {
    if (in_line(rows[r], rows[r + 1])) rows[r].tabular = rows[r + 1].tabular = true;
  }
}

// The rows of `fragments`, in their order.
std::vector<Row> rows_of(const std::vector<Fragment>& fragments) {
  std::vector<Row> rows;
  for (size_t i = 0; i < fragments.size(); ++i) {
    const Fragment& fragment = fragments[i];
    if (!rows.empty()) {
      Row& row = rows.back();
      const Fragment& before = fragments[row.last];
      const double size = std::max(before.size, fragment.size);
      // On the line of the one before, or of its last line when it has
      // several (a paragraph's last words in another face).
      const double line_top = before.top + (before.lines - 1) * before.size * kLinePitch;
      const bool same_line =
          std::abs(fragment.top + fragment.size - line_top - before.size) <= 0.6 * size;
      // Right of the one before, or kerned into it and ending past it (the
      // raised A of the LaTeX logo).
      const bool after = before.lines == 1
                             ? fragment.left >= before.left + before.width / 2 ||
                                   (fragment.left >= before.left &&
                                    fragment.left + fragment.width > before.left + before.width)
                             : fragment.left >= before.left + before.last_width - size;
      if (fragment.lines == 1 && same_line && after) {
        row.last = i;
        row.right = std::max(row.right, fragment.left + fragment.width);
        row.last_right = std::max(row.last_right, fragment.left + fragment.width);
        row.bottom = std::max(row.bottom, fragment.top + fragment.height);
        continue;
      }
    }
    Row row;
    row.first = row.last = i;
    row.top = fragment.top;
    row.bottom = fragment.top + fragment.height;
    row.left = fragment.left;
    row.right = fragment.left + fragment.width;
    row.last_right = fragment.left + fragment.last_width;
    row.lines = fragment.lines;
    rows.push_back(row);
  }
  for (Row& row : rows) {
    size_t most = 0;
    row.bold = row.fixed_pitch = true;
    bool any_letters = false;
    for (size_t i = row.first; i <= row.last; ++i) {
      const Fragment& fragment = fragments[i];
      if (!row.text.empty()) row.text += ' ';
      row.text += fragment.text;
      if (fragment.letters == 0) continue;
      any_letters = true;
      if (fragment.letters > most) {
        most = fragment.letters;
        row.size = fragment.size;
      }
      row.bold = row.bold && fragment.bold;
      row.fixed_pitch = row.fixed_pitch && fragment.fixed_pitch;
    }
    if (!any_letters) {
      row.size = fragments[row.first].size;
      row.bold = row.fixed_pitch = false;
    }
    // A mark of its own, or the first word of the row.
    const std::string_view first = trimmed(fragments[row.first].text);
    std::string_view mark = first.substr(0, first.find(' '));
    row.text_left = row.left;
    row.mark = fragments[row.first].mark;
    for (size_t i = row.first; i <= row.last; ++i) {
      if (row.element == 0) row.element = fragments[i].element;
      if (fragments[i].mark == MarkKind::kContent) row.mark = MarkKind::kContent;
    }
    if (is_bullet(mark) || is_number_mark(mark)) {
      row.marked = true;
      row.numbered = !is_bullet(mark);
      if (mark.size() == first.size() && row.first < row.last) {
        row.text_left = fragments[row.first + 1].left;
      }
    }
  }
  find_tables(fragments, rows);
  return rows;
}

// Whether `row` reads on from the rows of `block`.
bool continues(const Block& block, const std::vector<Row>& rows, const Row& row,
               double page_height) {
  const Row& first = rows[block.rows.front()];
  const Row& last = rows[block.rows.back()];
  const double size = std::max(first.size, row.size);
  if (row.element != first.element || row.mark != first.mark) return false;
  if (row.tabular || first.tabular) {
    return row.tabular && first.tabular && row.top >= last.top &&
           row.top - last.bottom <= 1.5 * size;
  }
  if (row.marked) return false;
  if (std::abs(row.size - first.size) > 0.08 * size) return false;
  if (row.bold != first.bold || row.fixed_pitch != first.fixed_pitch) return false;
  if (row.top < last.top + 0.5 * size) return false;     // beside or above: another column
  if (row.top - last.bottom > 0.6 * size) return false;  // a gap between paragraphs
  if ((row.top < page_height * kMarginBand) != (last.top < page_height * kMarginBand)) return false;
  if ((row.bottom > page_height * (1 - kMarginBand)) !=
      (last.bottom > page_height * (1 - kMarginBand))) {
    return false;
  }
  if (row.left > last.right || row.right < last.left) return false;
  if (first.marked) {
    // Under the text after the mark; where the mark starts the fragment,
    // its text's start is not told: up to three ems in.
    return std::abs(row.left - first.text_left) <= 0.8 * size ||
           (first.text_left == first.left && row.left > first.left &&
            row.left <= first.left + 3 * size);
  }
  if (block.rows.size() == 1 && first.lines == 1) {
    // A first line may stand indented, the next at the margin. One that
    // ends well before the next is a line of its own, such as a heading in
    // the body's face, unless the two are centred.
    const bool short_first = first.right < row.right - 3 * size && row.left >= first.left - size;
    return row.left >= first.left - 3 * size && row.left <= first.left + 0.8 * size && !short_first;
  }
  if (std::abs(row.left - last.left) > 0.8 * size) return false;
  // A short line before ends its paragraph.
  return last.last_right >= block.right - 3 * size;
}

// The running headers and footers are told from the pages before by their
// text without digits.
std::string margin_key(std::string_view text) {
  std::string key;
  for (char c : matching_key(text)) {
    if (c < '0' || c > '9') key += c;
  }
  return std::string(trimmed(key));
}

bool is_page_number(std::string_view text) {
  text = trimmed(text);
  if (text.empty() || text.size() > 12) return false;
  // Digits on both sides of a stop or a comma: a section's number, an amount.
  for (size_t i = 1; i + 1 < text.size(); ++i) {
    if ((text[i] == '.' || text[i] == ',') &&
        std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
        std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
      return false;
    }
  }
  std::string key = matching_key(text);
  for (std::string_view word : {"page ", "seite ", "p "}) {
    if (key.starts_with(word)) key = key.substr(word.size());
  }
  if (key.empty()) return false;
  const bool digits = std::all_of(key.begin(), key.end(),
                                  [](char c) { return (c >= '0' && c <= '9') || c == ' '; });
  const bool roman = std::all_of(key.begin(), key.end(), [](char c) {
    return c == 'i' || c == 'v' || c == 'x' || c == 'l' || c == 'c';
  });
  return digits || roman;
}

// Whether block text `key` is the heading an outline entry of `entry` names:
// the same text, perhaps after its number.
bool names_entry(const std::string& key, const std::string& entry) {
  if (entry.empty() || key.empty()) return false;
  if (key == entry) return true;
  // Scripts written without blanks join the pieces a line is drawn in.
  if (without_blanks(key) == without_blanks(entry)) return true;
  if (key.size() > entry.size() && key.ends_with(entry) &&
      key[key.size() - entry.size() - 1] == ' ' && key.size() - entry.size() <= 12) {
    return true;
  }
  // A heading set on lines of its own, or in pieces of several faces.
  return entry.size() > key.size() && key.size() * 10 >= entry.size() * 6 &&
         (" " + entry + " ").find(" " + key + " ") != std::string::npos;
}

// The wrappers must not change the facsimile: lists without their margins
// and marks (the page draws its own), figures shown by the flowing view alone.
constexpr std::string_view kFacsimileRules =
    "\t.lw-list{margin:0;padding:0;list-style:none}\n"
    "\t.lw-figure{width:0;margin:0}\n"
    "\t.lw-table table{border-spacing:0}.lw-table td{padding:0}\n";
// A header cell's text keeps its face and place too.
constexpr std::string_view kFacsimileHeaderCellRules =
    "\t.lw-table th{padding:0;font-weight:inherit;text-align:inherit}\n";

// Puts the flowing view's style and script before the page division at
// `division`, and the facsimile's rules into the page's style element,
// those of header cells when the page has any.
void add_flowing_view(ConvertedPage& page, size_t division, double page_width, bool header_cells) {
  const std::string folder = std::string(kFontFolder) + "/";
  page.rewrites.push_back({division, division,
                           "<link rel=\"stylesheet\" href=\"" + folder + kFlowStyleFile +
                               "\">\n<script src=\"" + folder + kFlowScriptFile +
                               "\" data-width=\"" + std::to_string(std::lround(page_width)) +
                               "\"></script>\n"});
  std::string& head = page.head;
  size_t rules_end = head.rfind("-->");
  const size_t style_end = head.rfind("</style>");
  if (rules_end == std::string::npos || style_end == std::string::npos || rules_end > style_end) {
    rules_end = style_end;
  }
  if (rules_end == std::string::npos) return;
  head.insert(rules_end, kFacsimileRules);
  if (header_cells) head.insert(rules_end + kFacsimileRules.size(), kFacsimileHeaderCellRules);
}

// The fragments of the page division between `start` and `end`; false when
// anything but line ends stands between them.
bool read_division_fragments(const ConvertedPage& page, size_t start, size_t end,
                             const std::map<std::string, ClassType>& types,
                             std::vector<Fragment>& fragments) {
  const std::string_view body(page.body);
  size_t source = 0;
  while (source < page.fragments.size() &&
         (page.fragments[source].begin < start ||
          !body.substr(page.fragments[source].begin).starts_with(kFragmentStart))) {
    ++source;
  }
  // A placed fragment without its end ends what can be read.
  size_t at = source < page.fragments.size() ? page.fragments[source].begin
                                             : body.find(kFragmentStart, start);
  while (at < end) {
    if (source >= page.fragments.size() || page.fragments[source].begin != at) return false;
    fragments.push_back(read_fragment(page, source, types));
    if (fragments.back().end > end) return false;
    size_t next = fragments.back().end;
    while (next < body.size() && (body[next] == '\n' || body[next] == '\r')) ++next;
    if (next >= end) break;
    if (body.compare(next, kFragmentStart.size(), kFragmentStart) != 0) return false;
    at = next;
    ++source;
  }
  return true;
}

// In a tagged PDF each fragment placed by its top finds its element by the
// run that starts it.
void find_elements(const ConvertedPage& page, const PageFacts& facts, const PageTags& tags,
                   std::vector<Fragment>& fragments) {
  size_t placed = 0;
  for (Fragment& fragment : fragments) {
    if (!page.fragments[fragment.source].placed_by_top) continue;
    const size_t ordinal = placed++;
    if (ordinal >= facts.fragment_runs.size() || facts.fragment_runs[ordinal] < 0) continue;
    const MarkedPiece piece = piece_at(tags.page(), facts.fragment_runs[ordinal], 0);
    fragment.mark = piece.kind;
    fragment.order = piece.order;
    if (piece.element != 0) fragment.element = tags.block_of(piece.element);
  }
}

// The blocks that `rows` make, in their order, each with its text; a word
// hyphenated at a line's end reads whole.
std::vector<Block> blocks_of(const std::vector<Row>& rows, double page_height) {
  std::vector<Block> blocks;
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    if (blocks.empty() || !continues(blocks.back(), rows, row, page_height)) {
      Block block;
      block.top = row.top;
      block.left = row.left;
      block.right = row.right;
      block.text_left = row.text_left;
      blocks.push_back(block);
    }
    Block& block = blocks.back();
    block.rows.push_back(i);
    block.element = row.element;
    block.bottom = std::max(block.bottom, row.bottom);
    block.right = std::max(block.right, row.right);
    if (!block.text.empty()) {
      const std::string& before = rows[block.rows[block.rows.size() - 2]].text;
      if (ends_hyphenated(before) && starts_lower_case(row.text)) {
        block.text.erase(block.text.find_last_not_of(' ') + 1);
        block.text.erase(block.text.size() - (block.text.ends_with("-") ? 1 : 2));
      } else {
        block.text += ' ';
      }
    }
    block.text += row.text;
  }
  return blocks;
}

// The size most letters are set in, in half pixels; 0 for none.
long most_used_size(const std::map<long, size_t>& letters_by_size) {
  long most_used = 0;
  size_t most = 0;
  for (const auto& [size, letters] : letters_by_size) {
    if (letters > most) {
      most = letters;
      most_used = size;
    }
  }
  return most_used;
}

// The size of the body text: the size most letters of the page are set
// in, or of the document so far (`document_letters`, which the page's are
// added to) when that is larger. A page of references or notes is mostly
// smaller, and its text in the body's size is no heading.
double body_size_of(const std::vector<Fragment>& fragments,
                    std::map<long, size_t>& document_letters) {
  std::map<long, size_t> letters_by_size;
  for (const Fragment& fragment : fragments) {
    letters_by_size[std::lround(fragment.size * 2)] += fragment.letters;
  }
  for (const auto& [size, letters] : letters_by_size) document_letters[size] += letters;
  return std::max(most_used_size(letters_by_size), most_used_size(document_letters)) / 2.0;
}

// What the classification of a page's blocks leaves: the texts at its top
// and bottom, for the pages after, and the sizes of the headings the type
// tells, for their ranks.
struct Classification {
  std::vector<std::string> margins;
  std::set<long> heading_sizes;
};

// The kind of a block of a tagged PDF from its element; false when the
// block is of no element.
bool classify_by_tree(const PageFacts& facts, const PageTags& tags, const Row& first, Block& block,
                      Classification& found) {
  const DrawnElement* element = tags.element(block.element);
  if (element == nullptr) return false;
  const std::string_view role = element->role;
  const std::string& lang = element->lang;
  if (!lang.empty() &&
      matching_key(lang.substr(0, lang.find('-'))) !=
          matching_key(facts.document_language.substr(0, facts.document_language.find('-')))) {
    block.lang = lang;
  }
  if (element->level > 0) {
    block.kind = BlockKind::kHeading;
    block.level = static_cast<int>(element->level);
  } else if (role == "H") {
    block.kind = BlockKind::kHeading;
    block.level = -1;
    found.heading_sizes.insert(std::lround(first.size * 2));
  } else if (role == "LI") {
    block.kind = BlockKind::kListItem;
    block.numbered = first.numbered;
  } else if (role == "Caption") {
    block.kind = BlockKind::kCaption;
  } else if (role == "Code") {
    block.kind = BlockKind::kCode;
  } else if (first.tabular && block.rows.size() >= 2) {
    block.kind = BlockKind::kTable;
  }
  return true;
}

// The kind of a block by the type, its place and the outline's entries
// (`entry_keys`, those of `entry_used` already found on the page).
void classify_by_type(const PageFacts& facts, const std::deque<std::string>& recent_margins,
                      double body_size, const std::vector<std::string>& entry_keys,
                      std::vector<bool>& entry_used, const PageLayout& layout, Block& block,
                      Classification& found) {
  const Row& first = layout.rows[block.rows.front()];
  const bool top = block.bottom <= layout.height * kMarginBand + first.size;
  const bool bottom = block.top >= layout.height * (1 - kMarginBand) - first.size;
  // Set larger than the text, it is the page's own heading even where it repeats.
  if ((top || bottom) && block.text.size() <= 160 && block.rows.size() <= 2 &&
      first.size < body_size * 1.15) {
    const std::string key = margin_key(block.text);
    if (!key.empty()) found.margins.push_back(key);
    const bool repeated = !key.empty() && std::find(recent_margins.begin(), recent_margins.end(),
                                                    key) != recent_margins.end();
    if (repeated || is_page_number(block.text)) {
      block.kind = top ? BlockKind::kHeader : BlockKind::kFooter;
      return;
    }
  }
  if (first.tabular && block.rows.size() >= 2) {
    block.kind = BlockKind::kTable;
    return;
  }
  const std::string key = matching_key(block.text);
  for (size_t e = 0; e < entry_keys.size(); ++e) {
    if (!entry_used[e] && names_entry(key, entry_keys[e])) {
      entry_used[e] = true;
      block.kind = BlockKind::kHeading;
      block.level = std::min(6, facts.outline_headings[e].depth + 1);
      return;
    }
  }
  const size_t letters = letter_count(block.text);
  int lines = 0;
  for (size_t r : block.rows) lines += layout.fragments[layout.rows[r].first].lines;
  // A sentence of several words that ends with a full stop is no heading.
  const bool sentence =
      block.text.ends_with(".") && std::count(block.text.begin(), block.text.end(), ' ') >= 6;
  const bool larger =
      first.size >= body_size * 1.15 && letters > 0 && letters <= 200 && lines <= 3 && !sentence;
  // A bold line, or two, perhaps numbered as a section is.
  const bool bold_line = first.bold && block.rows.size() <= 2 && letters >= 2 && letters <= 80 &&
                         first.size >= body_size * 0.95 && !block.text.ends_with(".") &&
                         !block.text.ends_with(",") && (!first.marked || first.numbered) &&
                         (std::isupper(static_cast<unsigned char>(trimmed(block.text)[0])) ||
                          std::isdigit(static_cast<unsigned char>(trimmed(block.text)[0])));
  // A part's title that stands alone on its line, whatever its face; in
  // the margins only when bold, a running header being set as it is.
  const bool part_title = block.rows.size() == 1 && lines == 1 && !first.marked &&
                          !first.fixed_pitch && first.size >= body_size * 0.75 &&
                          (first.bold || !(top || bottom)) && is_unnumbered_part_title(block.text);
  if (larger || bold_line || part_title) {
    block.kind = BlockKind::kHeading;
    block.level = -1;  // by its size, below
    found.heading_sizes.insert(std::lround(first.size * 2));
  } else if (first.marked) {
    block.kind = BlockKind::kListItem;
    block.numbered = first.numbered;
  } else if (is_caption(trimmed(block.text))) {
    block.kind = BlockKind::kCaption;
  } else if (first.fixed_pitch) {
    block.kind = BlockKind::kCode;
  }
}

// The kind of every block: running headers and footers, then the tree's
// roles, the outline's headings, then the type.
Classification classify_blocks(const PageFacts& facts, const PageTags& tags,
                               const std::deque<std::string>& recent_margins, double body_size,
                               PageLayout& layout) {
  Classification found;
  std::vector<bool> entry_used(facts.outline_headings.size(), false);
  std::vector<std::string> entry_keys;
  for (const OutlineHeading& heading : facts.outline_headings) {
    entry_keys.push_back(matching_key(heading.title));
  }
  for (Block& block : layout.blocks) {
    const Row& first = layout.rows[block.rows.front()];
    // A tagged PDF tells its page furniture and its blocks' roles itself.
    if (first.mark != MarkKind::kContent) {
      block.kind = first.mark == MarkKind::kHeader ? BlockKind::kHeader
                   : first.mark == MarkKind::kFooter || first.mark == MarkKind::kPageNumber
                       ? BlockKind::kFooter
                   : block.top < layout.height / 2 ? BlockKind::kHeader
                                                   : BlockKind::kFooter;
      continue;
    }
    if (classify_by_tree(facts, tags, first, block, found)) continue;
    classify_by_type(facts, recent_margins, body_size, entry_keys, entry_used, layout, block,
                     found);
  }
  return found;
}

// Lines of code apart by a blank line or two are one listing.
void join_code_listings(const std::vector<Row>& rows, std::vector<Block>& blocks) {
  for (size_t b = 1; b < blocks.size();) {
    Block& before = blocks[b - 1];
    const Block& block = blocks[b];
    const double size = rows[block.rows.front()].size;
    if (before.kind == BlockKind::kCode && block.kind == BlockKind::kCode &&
        block.top > before.bottom - 1 && block.top - before.bottom <= 3 * size &&
        block.left >= before.left - 4 * size && block.left <= before.right) {
      before.rows.insert(before.rows.end(), block.rows.begin(), block.rows.end());
      before.bottom = block.bottom;
      before.right = std::max(before.right, block.right);
      blocks.erase(blocks.begin() + static_cast<long>(b));
    } else {
      ++b;
    }
  }
}

// Headings the type alone tells rank by their size, under the outline's levels.
void rank_type_headings(const std::vector<Row>& rows, const std::set<long>& heading_sizes,
                        int outline_levels, std::vector<Block>& blocks) {
  for (Block& block : blocks) {
    if (block.kind != BlockKind::kHeading || block.level != -1) continue;
    const long size = std::lround(rows[block.rows.front()].size * 2);
    const long rank = std::distance(heading_sizes.upper_bound(size), heading_sizes.end());
    block.level = static_cast<int>(std::min<long>(6, outline_levels + 1 + rank));
  }
}

// Whether the page shows a level-1 heading of its own. It may show several:
// each entry of the outline's top, each H1 of the tree.
bool has_top_heading(const std::vector<Block>& blocks) {
  return std::any_of(blocks.begin(), blocks.end(), [](const Block& block) {
    return block.kind == BlockKind::kHeading && block.level == 1;
  });
}

// Where element `id` stands in a table of the tree: the cell (TH or TD) it
// is part of, the row (TR) of that cell and its table, the row groups
// (THead, TBody, TFoot) between them aside; all 0 when it is in none.
struct CellPlace {
  long cell = 0;
  long row = 0;
  long table = 0;
};

CellPlace cell_place(const PageTags& tags, long id) {
  CellPlace place;
  for (const DrawnElement* e = tags.element(id); e != nullptr; e = tags.element(e->parent)) {
    if (place.cell == 0) {
      if (e->role == "TH" || e->role == "TD") place.cell = e->id;
    } else if (place.row == 0) {
      if (e->role != "TR") return {};
      place.row = e->id;
    } else if (e->role == "Table") {
      place.table = e->id;
      return place;
    } else if (e->role != "THead" && e->role != "TBody" && e->role != "TFoot") {
      return {};
    }
  }
  return {};
}

// The rows and cells of the tree's table `block.element`, as far as its
// elements are on the page, with the fragments of the block's rows: each
// in its cell, else in the table's caption.
void fill_tree_table(const PageTags& tags, const PageLayout& layout, Block& block) {
  std::map<long, size_t> rows;                       // by the row's id
  std::map<long, std::pair<size_t, size_t>> places;  // by the cell's id: its row and column
  for (const DrawnElement& element : tags.page().elements) {
    const CellPlace place = cell_place(tags, element.id);
    if (place.table != block.element || place.cell != element.id) continue;
    const auto [row, added] = rows.try_emplace(place.row, block.table_rows.size());
    if (added) block.table_rows.emplace_back();
    std::vector<TableCell>& cells = block.table_rows[row->second].cells;
    places[element.id] = {row->second, cells.size()};
    TableCell& cell = cells.emplace_back();
    cell.header = element.role == "TH";
    cell.columns = std::max(1L, element.columns);
    cell.rows = std::max(1L, element.rows);
  }
  // Text of no cell (a piece that the converter drew over several cells,
  // whose element was not found) stays with the cell before it; only the
  // table's caption and what comes before any cell go into the caption.
  TableCell* last_cell = nullptr;
  // The tree's order of each fragment, where a stray one takes the order
  // of the fragment it follows.
  std::map<size_t, long> orders;
  for (size_t r : block.rows) {
    for (size_t i = layout.rows[r].first; i <= layout.rows[r].last; ++i) {
      const long element = layout.fragments[i].element;
      const auto place = places.find(cell_place(tags, element).cell);
      const DrawnElement* owner = tags.element(element);
      orders[i] = layout.fragments[i].order;
      if (place != places.end()) {
        last_cell = &block.table_rows[place->second.first].cells[place->second.second];
        last_cell->fragments.push_back(i);
      } else if (last_cell != nullptr && (owner == nullptr || owner->role != "Caption")) {
        orders[i] = orders[last_cell->fragments.back()];
        last_cell->fragments.push_back(i);
      } else {
        block.table_caption.push_back(i);
      }
    }
  }
  for (TableRow& row : block.table_rows) {
    for (TableCell& cell : row.cells) {
      // A header of no text names nothing: its text went with a cell
      // beside it, drawn in one piece with it.
      if (cell.fragments.empty()) cell.header = false;
      std::stable_sort(cell.fragments.begin(), cell.fragments.end(),
                       [&](size_t a, size_t b) { return orders[a] < orders[b]; });
    }
  }
}

// The table of the tree whose cell or caption element `id` is part of; 0
// for none.
long table_of(const PageTags& tags, long id) {
  if (const long table = cell_place(tags, id).table; table != 0) return table;
  for (const DrawnElement* e = tags.element(id); e != nullptr; e = tags.element(e->parent)) {
    if (e->role != "Caption") continue;
    const DrawnElement* parent = tags.element(e->parent);
    return parent != nullptr && parent->role == "Table" ? parent->id : 0;
  }
  return 0;
}

// In a tagged PDF a Table of rows (TR) of cells (TH, TD) is the page's
// table: the blocks of its cells and its caption make one block at the
// place of the first, whose rows and cells are the tree's.
void tree_tables(const PageTags& tags, PageLayout& layout) {
  std::vector<Block> kept;
  std::map<long, size_t> table_blocks;  // by the table's id
  for (Block& block : layout.blocks) {
    const long table = block.element == 0 ? 0 : table_of(tags, block.element);
    if (table == 0) {
      kept.push_back(std::move(block));
      continue;
    }
    const auto [found, added] = table_blocks.try_emplace(table, kept.size());
    if (added) {
      Block whole;
      whole.kind = BlockKind::kTable;
      whole.element = table;
      whole.top = block.top;
      whole.bottom = block.bottom;
      whole.left = whole.text_left = block.left;
      whole.right = block.right;
      whole.lang = block.lang;
      kept.push_back(std::move(whole));
    }
    Block& whole = kept[found->second];
    if (whole.lang != block.lang) whole.lang.clear();  // the language of some cells only
    whole.rows.insert(whole.rows.end(), block.rows.begin(), block.rows.end());
    whole.top = std::min(whole.top, block.top);
    whole.bottom = std::max(whole.bottom, block.bottom);
    whole.left = whole.text_left = std::min(whole.left, block.left);
    whole.right = std::max(whole.right, block.right);
    if (!whole.text.empty()) whole.text += ' ';
    whole.text += block.text;
  }
  layout.blocks = std::move(kept);
  for (const auto& [table, b] : table_blocks) fill_tree_table(tags, layout, layout.blocks[b]);
}

// No heading stands more than one level below the heading before it (the
// page's title heading, when it gets one, before all of them): the levels
// that a page skips close up, and the headings keep how they nest. The
// outline may go deeper than the page shows, and the type ranks its
// headings under all of the outline's levels.
void close_heading_gaps(bool has_title_heading, std::vector<Block>& blocks) {
  // The headings that the next one may stand under: their levels as
  // found, and as written.
  std::vector<std::pair<int, int>> open;
  if (has_title_heading) open.emplace_back(1, 1);
  for (Block& block : blocks) {
    if (block.kind != BlockKind::kHeading) continue;
    while (!open.empty() && open.back().first >= block.level) open.pop_back();
    // Before the page's own level-1 heading, one under the document's.
    const int level = !open.empty() ? open.back().second + 1 : block.level == 1 ? 1 : 2;
    open.emplace_back(block.level, level);
    block.level = level;
  }
}

// A tagged PDF's tree is its author's reading order: the blocks go in the
// order of their elements, and the blocks of one element (lines that the
// converter wrote apart) in the order of their text's marked content. Text
// of no element stays after the block before it.
void order_by_tree(PageLayout& layout) {
  struct Key {
    long element;
    long order;
    size_t block;
  };
  std::vector<Key> keys;
  long element = 0;
  long order = 0;
  for (size_t b = 0; b < layout.blocks.size(); ++b) {
    const Block& block = layout.blocks[b];
    if (block.element != 0) element = block.element;
    long first_order = 0;
    for (size_t r : block.rows) {
      for (size_t f = layout.rows[r].first; f <= layout.rows[r].last; ++f) {
        const long fragment_order = layout.fragments[f].order;
        if (fragment_order > 0 && (first_order == 0 || fragment_order < first_order)) {
          first_order = fragment_order;
        }
      }
    }
    if (block.element != 0 && first_order != 0) order = first_order;
    keys.push_back({element, order, b});
  }
  std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
    return a.element != b.element ? a.element < b.element : a.order < b.order;
  });
  std::vector<Block> ordered;
  for (const Key& key : keys) ordered.push_back(std::move(layout.blocks[key.block]));
  layout.blocks = std::move(ordered);
}

// A tagged figure says where it is drawn, and what it shows; it goes before
// the first block of an element after it in the tree.
std::vector<Figure> tagged_figures(const PageTags& tags, const std::vector<Block>& blocks) {
  std::vector<Figure> figures;
  for (const DrawnElement& element : tags.page().elements) {
    if (element.role != "Figure") continue;
    size_t before = blocks.size();
    for (size_t b = 0; b < blocks.size(); ++b) {
      if (blocks[b].element > element.id) {
        before = b;
        break;
      }
    }
    const double unit = kDrawnUnitsPerPixel;
    figures.push_back({element.top / unit, element.bottom / unit, element.left / unit,
                       element.right / unit, before, element.alt});
  }
  return figures;
}

// Where the text of a column leaves a band of it empty, a figure is drawn
// there: the flowing view shows that region of the page's image, before
// the block under it.
std::vector<Figure> column_band_figures(const PageLayout& layout, double body_size) {
  std::vector<Figure> figures;
  const std::vector<Block>& blocks = layout.blocks;
  double text_top = layout.height;
  for (const Block& block : blocks) {
    if (!is_running(block)) text_top = std::min(text_top, block.top);
  }
  const double least = 5 * body_size;
  for (size_t b = 0; b < blocks.size(); ++b) {
    const Block& block = blocks[b];
    if (is_running(block)) continue;
    // The column: the blocks above it that share its width; at the top
    // of a column, the text of the columns beside it starts the band.
    double above = -1;
    double beside = layout.height;
    double left = block.left;
    double right = block.right;
    for (const Block& other : blocks) {
      if (&other == &block || is_running(other)) continue;
      if (other.left >= block.right || other.right <= block.left) {
        if (other.kind != BlockKind::kHeading) beside = std::min(beside, other.top);
        continue;
      }
      if (other.bottom <= block.top + 1) above = std::max(above, other.bottom);
      if (other.right - other.left < 0.6 * layout.width ||
          block.right - block.left >= 0.6 * layout.width) {
        left = std::min(left, other.left);
        right = std::max(right, other.right);
      }
    }
    if (above < 0) above = std::min(beside, block.top);
    above = std::max(above, text_top);
    if (block.top - above > least) figures.push_back({above, block.top, left, right, b, ""});
  }
  return figures;
}

// The heading of a page that shows none of its own: the document's title
// and the page number, in an attribute, so that it adds no word.
std::string title_heading(const PageFacts& facts) {
  std::string line = "<div class=\"lw-title\" role=\"heading\" aria-level=\"1\" aria-label=\"";
  append_escaped(line, facts.document_title.empty() ? std::string("Page") : facts.document_title);
  line += ", page " + std::to_string(facts.page) + "\"></div>\n";
  return line;
}

}  // namespace

std::string matching_key(std::string_view text) {
  std::string key;
  bool blank = false;
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    const bool kept = (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
                      (byte >= 'A' && byte <= 'Z') || byte >= 0x80;
    if (!kept) {
      blank = !key.empty();
      continue;
    }
    if (blank) key += ' ';
    blank = false;
    key += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte);
  }
  return key;
}

void PageStructure::structure(ConvertedPage& page, const PageFacts& facts) {
  const std::string& body = page.body;
  const size_t division = body.find("<div id=\"page");
  const size_t division_start = division == std::string::npos ? division : body.find('>', division);
  if (division_start == std::string::npos) return;
  const std::string_view division_tag(body.data() + division, division_start - division);
  PageLayout layout;
  layout.width = number_after(division_tag, "width:");
  layout.height = number_after(division_tag, "height:");

  // The fragments, when nothing else stands between them.
  const size_t division_end = body.find("</div>", division_start);
  const bool whole = division_end != std::string::npos &&
                     read_division_fragments(page, division_start, division_end,
                                             class_types(page.head), layout.fragments);
  std::vector<Fragment>& fragments = layout.fragments;
  if (!whole || fragments.empty()) {
    // It flows line by line, under its heading.
    const size_t first = fragments.empty() ? division_end : fragments.front().begin;
    if (first != std::string::npos) page.rewrites.push_back({first, first, title_heading(facts)});
    add_flowing_view(page, division, layout.width, false);
    return;
  }

  const PageTags tags(facts.tags);
  if (tags.tagged()) find_elements(page, facts, tags, fragments);
  layout.rows = rows_of(fragments);
  layout.blocks = blocks_of(layout.rows, layout.height);
  const double body_size = body_size_of(fragments, document_letters_);
  const Classification found = classify_blocks(facts, tags, recent_margins_, body_size, layout);
  if (tags.tagged()) tree_tables(tags, layout);
  join_code_listings(layout.rows, layout.blocks);
  rank_type_headings(layout.rows, found.heading_sizes, facts.outline_levels, layout.blocks);
  recent_margins_.insert(recent_margins_.end(), found.margins.begin(), found.margins.end());
  while (recent_margins_.size() > kMarginPages * 4) recent_margins_.pop_front();
  if (tags.tagged()) {
    order_by_tree(layout);
    layout.figures = tagged_figures(tags, layout.blocks);
  } else if (!facts.background_image.empty()) {
    layout.figures = column_band_figures(layout, body_size);
  }
  // A tagged page keeps the levels its author gave its headings.
  if (!tags.tagged()) close_heading_gaps(!has_top_heading(layout.blocks), layout.blocks);

  // The division anew: what stood before the fragments, the page's title
  // heading, the blocks, and what stood after.
  std::string division_text;
  division_text.reserve(body.size() - fragments.front().begin + layout.blocks.size() * 48 + 256);
  division_text.append(body, division_start + 1, fragments.front().begin - division_start - 1);
  if (!has_top_heading(layout.blocks)) division_text += title_heading(facts);
  append_layout_markup(page, layout, facts.background_image, division_text);
  size_t after = fragments.back().end;
  while (after < division_end && (body[after] == '\n' || body[after] == '\r')) ++after;
  page.rewrites.push_back({division_start + 1, after, std::move(division_text)});
  const bool header_cells =
      std::any_of(layout.blocks.begin(), layout.blocks.end(), [](const Block& block) {
        return std::any_of(block.table_rows.begin(), block.table_rows.end(),
                           [](const TableRow& row) {
                             return std::any_of(row.cells.begin(), row.cells.end(),
                                                [](const TableCell& cell) { return cell.header; });
                           });
      });
  add_flowing_view(page, division, layout.width, header_cells);
}

}  // namespace lexiweb
