// Lines are compared by their text without blanks, since pdftohtml puts a
// blank where two runs stand apart whether the PDF draws one there or not,
// and in the order it is drawn in: the converter has put right-to-left
// text into the order it is read in.
// Positions are compared in the renderer's units (drawn_text.h); pdftohtml
// places a fragment at its first line's top and left rounded to whole
// pixels, and sizes a line from its first glyph's start to its last
// glyph's advance.
#include "typeset/fragment_widths.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "common/text.h"
#include "common/visual_order.h"
#include "typeset/markup_text.h"

namespace lexiweb {
namespace {

constexpr long kUnit = kDrawnUnitsPerPixel;
constexpr std::string_view kLineBreak = "<br/>";

struct Run {
  size_t drawn;  // its index among the page's drawn runs
  long top;
  long base;
  long left;
  long right;
  long height;
  std::string key;  // its text without blanks
};

// The visible runs of a page, looked up by where they start and by their
// baselines.
class PageRuns {
 public:
  explicit PageRuns(const std::vector<DrawnRun>& drawn) {
    for (size_t i = 0; i < drawn.size(); ++i) {
      const DrawnRun& run = drawn[i];
      if (!run.visible) continue;
      std::string key = without_blanks(run.text);
      if (key.empty()) continue;
      runs_.push_back({i, run.top, run.base, run.left, run.right, std::max(1L, run.base - run.top),
                       std::move(key)});
      tallest_ = std::max(tallest_, runs_.back().height);
    }
    for (size_t i = 0; i < runs_.size(); ++i) by_left_.push_back(i);
    by_base_ = by_left_;
    std::sort(by_left_.begin(), by_left_.end(),
              [&](size_t a, size_t b) { return runs_[a].left < runs_[b].left; });
    std::sort(by_base_.begin(), by_base_.end(),
              [&](size_t a, size_t b) { return runs_[a].base < runs_[b].base; });
  }

  // The line with `key` whose first run stands at `top` and `left` (whole
  // pixels): its width in drawn units, or -1. `start` becomes its first run.
  // A line that starts with `blanks` blanks is placed where they start:
  // its first run may stand up to an em a blank further right, and its
  // width is taken from where the line is placed.
  long first_line(long top, long left, std::string_view key, int blanks, size_t* start) const {
    std::vector<size_t> candidates;
    const long reach = std::max(kPlace, blanks * tallest_);
    for (size_t i : range(by_left_, &Run::left, kUnit * left - kPlace, kUnit * left + reach)) {
      const Run& run = runs_[i];
      if (std::abs(run.top - kUnit * top) <= std::max(2 * kPlace, run.height / 3) &&
          run.left <= kUnit * left + std::max(kPlace, blanks * run.height) &&
          key.starts_with(run.key)) {
        candidates.push_back(i);
      }
    }
    // Runs where the line is placed first, as they were before blanks
    // were looked past.
    const auto placed = [&](size_t i) { return runs_[i].left <= kUnit * left + kPlace; };
    std::sort(candidates.begin(), candidates.end(), [&](size_t a, size_t b) {
      if (placed(a) != placed(b)) return placed(a);
      return std::abs(runs_[a].top - kUnit * top) < std::abs(runs_[b].top - kUnit * top);
    });
    const long width = first_that_fits(candidates, key, start);
    if (width < 0 || placed(*start)) return width;
    return width + runs_[*start].left - kUnit * left;
  }

  long base_of(size_t run) const { return runs_[run].base; }
  size_t drawn_index(size_t run) const { return runs_[run].drawn; }

  // The line with `key` below the line that starts at run `previous` and is
  // `width` wide: pdftohtml joins lines into a fragment only where they
  // stand one above the other, so the line overlaps it from side to side.
  // Lines that start at the fragment's `left` first, as most do, then the
  // nearest below.
  long next_line(size_t previous, long width, long left, std::string_view key,
                 size_t* start) const {
    const Run& above = runs_[previous];
    std::vector<size_t> candidates;
    for (size_t i : range(by_base_, &Run::base, above.base + above.height / 2,
                          above.base + 3 * above.height)) {
      const Run& run = runs_[i];
      if (run.base > above.base && run.left <= above.left + width && run.right >= above.left &&
          key.starts_with(run.key)) {
        candidates.push_back(i);
      }
    }
    const auto aligned = [&](size_t i) { return std::abs(runs_[i].left - kUnit * left) <= kPlace; };
    std::sort(candidates.begin(), candidates.end(), [&](size_t a, size_t b) {
      if (aligned(a) != aligned(b)) return aligned(a);
      if (runs_[a].base != runs_[b].base) return runs_[a].base < runs_[b].base;
      return std::abs(runs_[a].left - kUnit * left) < std::abs(runs_[b].left - kUnit * left);
    });
    return first_that_fits(candidates, key, start);
  }

 private:
  // How far a run may start from where pdftohtml placed its line: the
  // rounding to whole pixels and some.
  static constexpr long kPlace = 3 * kUnit / 2;

  // The runs of `index` (sorted by `field`) whose field lies in [low, high].
  std::vector<size_t> range(const std::vector<size_t>& index, long Run::*field, long low,
                            long high) const {
    auto begin = std::partition_point(index.begin(), index.end(),
                                      [&](size_t i) { return runs_[i].*field < low; });
    auto end =
        std::partition_point(begin, index.end(), [&](size_t i) { return runs_[i].*field <= high; });
    return {begin, end};
  }

  long first_that_fits(const std::vector<size_t>& candidates, std::string_view key,
                       size_t* start) const {
    for (size_t candidate : candidates) {
      const long width = line_width(candidate, key);
      if (width >= 0) {
        *start = candidate;
        return width;
      }
    }
    return -1;
  }

  // The width of the line that begins with run `first` and holds `key`:
  // the runs on its baseline from there on, left to right, until their
  // texts make up the key. Runs that do not go on with the key are passed
  // over: the same text drawn twice (a bold made by overprinting), or the
  // text of a neighbouring column that runs into the line. pdftohtml joins
  // runs into a line only across small gaps, raised or lowered ones
  // included (the E of TeX, an index).
  long line_width(size_t first, std::string_view key) const {
    const Run& start = runs_[first];
    const long slack = std::max(kUnit / 2, start.height * 2 / 5);
    std::vector<size_t> line;
    for (size_t i : range(by_base_, &Run::base, start.base - slack, start.base + slack)) {
      if (runs_[i].left >= start.left && i != first) line.push_back(i);
    }
    std::sort(line.begin(), line.end(),
              [&](size_t a, size_t b) { return runs_[a].left < runs_[b].left; });
    const Run* last = &start;
    size_t matched = start.key.size();
    for (size_t i : line) {
      if (matched == key.size()) break;
      const Run& run = runs_[i];
      if (run.left > last->right + 3 * start.height) break;
      if (key.substr(matched).starts_with(run.key)) {
        matched += run.key.size();
        last = &run;
      }
    }
    return matched == key.size() ? last->right - start.left : -1;
  }

  std::vector<Run> runs_;
  long tallest_ = 0;  // the greatest height of a run, the widest em
  std::vector<size_t> by_left_;
  std::vector<size_t> by_base_;
};

// The whole number that follows `key` in `text`, or -1 when none does.
long number_after(std::string_view text, std::string_view key) {
  const size_t at = text.find(key);
  if (at == std::string_view::npos) return -1;
  std::string_view rest = text.substr(at + key.size());
  const bool negative = rest.starts_with('-');
  if (negative) rest.remove_prefix(1);
  if (rest.empty() || rest[0] < '0' || rest[0] > '9') return -1;
  const long value = whole_value(rest);
  return negative ? -value : value;
}

// How many blanks (no-break spaces too) `text` starts with.
int leading_blanks(std::string_view text) {
  int blanks = 0;
  while (!text.empty()) {
    if (text.front() == ' ' || text.front() == '\t') {
      text.remove_prefix(1);
    } else if (text.starts_with("\xC2\xA0")) {
      text.remove_prefix(2);
    } else {
      break;
    }
    ++blanks;
  }
  return blanks;
}

// The widths of the fragment's lines, "w1,w2,...", or empty when a line is
// not found; `base` becomes its first line's baseline where that is found.
std::string fragment_widths(const PageRuns& runs, long top, long left, std::string_view content,
                            std::optional<long>* base, long* first_run) {
  std::string widths;
  size_t previous = 0;
  long previous_width = 0;
  for (size_t line = 0;; ++line) {
    const size_t line_end = content.find(kLineBreak);
    const std::string text = text_of_markup(content.substr(0, line_end));
    const std::string key = without_blanks(text);
    if (key.empty()) return "";
    size_t start = 0;
    const long width = line == 0 ? runs.first_line(top, left, key, leading_blanks(text), &start)
                                 : runs.next_line(previous, previous_width, left, key, &start);
    if (line == 0 && width >= 0) {
      *base = runs.base_of(start);
      *first_run = static_cast<long>(runs.drawn_index(start));
    }
    // A line that does not run to the right is turned on the page.
    if (width <= 0) return "";
    previous_width = width;
    if (line > 0) widths += ',';
    widths += std::to_string((width + kUnit / 2) / kUnit);
    previous = start;
    if (line_end == std::string_view::npos) return widths;
    content.remove_prefix(line_end + kLineBreak.size());
  }
}

// The fragment's markup with its right-to-left text in the order it is
// drawn again; the converter turned each stretch between tags on its own.
std::string in_drawn_order(std::string_view content, FragmentDirection direction) {
  std::string drawn;
  append_markup_reordered(content, direction, true, drawn);
  return drawn;
}

}  // namespace

int add_fragment_widths(ConvertedPage& page, const std::vector<DrawnRun>& drawn,
                        std::vector<FragmentBaseline>* baselines) {
  const PageRuns runs(drawn);
  int measured = 0;
  for (PageFragment& fragment : page.fragments) {
    if (!fragment.placed_by_top) continue;
    const std::string_view tag = start_tag(page, fragment);
    const long top = number_after(tag, "top:");
    std::optional<long> base;
    long first_run = -1;
    const std::string_view content = content_of(page, fragment);
    const FragmentDirection direction = fragment_direction(content);
    fragment.widths = fragment_widths(runs, top, number_after(tag, "left:"),
                                      direction == FragmentDirection::kNoRightToLeft
                                          ? content
                                          : in_drawn_order(content, direction),
                                      &base, &first_run);
    if (baselines != nullptr && !fragment.class_name.empty()) {
      baselines->push_back({fragment.class_name, !fragment.widths.empty(), base.has_value(),
                            base.value_or(0) - kUnit * top, first_run});
    }
    if (!fragment.widths.empty()) ++measured;
  }
  return measured;
}

void remove_fragment_widths(ConvertedPage& page, const std::set<std::string>& classes) {
  for (PageFragment& fragment : page.fragments) {
    if (classes.contains(fragment.class_name)) fragment.widths.clear();
  }
}

}  // namespace lexiweb
