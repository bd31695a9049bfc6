#include "annotate/page_assembly.h"

#include <algorithm>
#include <string>
#include <utility>

#include "annotate/page_head.h"
#include "annotate/span_annotation.h"
#include "common/identifiers.h"
#include "common/page_heads.h"
#include "common/run_parameters.h"
#include "common/run_values.h"
#include "common/text.h"
#include "shell/file_ops.h"
#include "shell/page_records.h"
#include "shell/record_reader.h"
#include "shell/scratch_catalogue.h"
#include "shell/staged_page.h"

namespace lexiweb {

namespace {

constexpr std::string_view kPageEnding = ".htm";

using Range = std::pair<long, long>;

// Orders two page fields as the sort ordered the lines that hold them: the
// field followed by its closing quote, byte by byte.
int compare_pages(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i <= common; ++i) {
    const unsigned char x = i < a.size() ? a[i] : '"';
    const unsigned char y = i < b.size() ? b[i] : '"';
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

// The occurrences of each page in document order, for the script rules.
// The list is sorted by the text of its lines from the page field on, so a
// page's occurrences stand together, in the order of their page fields
// followed by the closing quote. Records whose page field a long line cut
// short stand among them by the same order; they belong to no page.
class PageOccurrences {
 public:
  PageOccurrences() : in_(kPlacedOccurrencesFile) { present_ = in_.read_record(&record_); }

  void rules_of(long page, std::vector<OccurrenceRule>* rules) {
    rules->clear();
    const std::string page_text = page_field(page);
    while (present_ && compare_pages(record_.field(placed_occurrence_record::kPage), page_text) < 0)
      advance();
    while (present_ &&
           compare_pages(record_.field(placed_occurrence_record::kPage), page_text) == 0) {
      rules->push_back({std::string(record_.field(placed_occurrence_record::kWordNumber)),
                        std::string(record_.field(placed_occurrence_record::kOccurrenceId))});
      advance();
    }
  }

 private:
  void advance() { present_ = in_.read_record(&record_); }

  RecordReader in_;
  Record record_;
  bool present_ = false;
};

// Writes the characters of a page that the frame removal keeps, in order,
// each at most once, with markup put in between.
class PageBody {
 public:
  PageBody(RecordWriter& out, std::string_view characters, const std::vector<Range>& removed)
      : out_(out), characters_(characters), removed_(removed) {}

  // Writes the kept characters up to and including position `last`.
  void write_through(long last) {
    while (next_ <= last) {
      while (range_ < removed_.size() && removed_[range_].second < next_) ++range_;
      if (range_ < removed_.size() && removed_[range_].first <= next_) {
        next_ = removed_[range_].second + 1;
        continue;
      }
      long stop = last;
      if (range_ < removed_.size()) stop = std::min(stop, removed_[range_].first - 1);
      out_.write(characters_.substr(next_ - 1, stop - next_ + 1));
      next_ = stop + 1;
    }
  }

 private:
  RecordWriter& out_;
  std::string_view characters_;
  const std::vector<Range>& removed_;
  size_t range_ = 0;
  long next_ = 1;
};

void append_link(std::string& line, std::string_view target, std::string_view label_text) {
  line += "<a href = \"";
  line += target;
  line += "\">";
  line += label_text;
  line += "</a>&nbsp ";
}

std::string output_page_file(long page) {
  return output_page_stem(page) + std::string(kPageEnding);
}

}  // namespace

void write_navigation_bar(RecordWriter& out, std::string_view previous_file,
                          std::string_view next_file) {
  // The page's main part, opened by the head, ends here; the bar's labels
  // are in the label table's language.
  out.write_line("</main>");
  out.write_line("<nav aria-label=\"Pages\" lang=\"" + label(kLanguageTag) +
                 "\" style=\"position:fixed; bottom:0;\">");

  std::string line;
  append_link(line, g_run.contents_page_file, label(kContentsLabel));
  if (!g_run.library_page.empty()) append_link(line, g_run.library_page, "Library");
  out.write_line(line);

  line.clear();
  if (!previous_file.empty()) append_link(line, previous_file, label(kPrevLabel));
  if (!next_file.empty()) append_link(line, next_file, label(kNextLabel));
  append_link(line, g_run.about_page_file, label(kSearchLabel));
  append_link(line, g_run.all_words_page_file, label(kIndexLabel));
  out.write_line(line);
  out.write_line("</nav>");

  out.write_line("</body></HTML>");
}

void write_output_pages(long page_count) {
  PageRecords spans(kSpanPlacesFile);
  PageRecords frames(kFrameRangesFile);
  PageOccurrences occurrences;
  std::vector<OccurrenceRule> rules;
  std::vector<Range> removed;
  std::string characters;
  OpeningMarkup markup;
  RecordWriter out;
  PageHeading heading;
  for (long page = 1; page <= page_count; ++page) {
    const std::string page_file = output_page_file(page);
    out.open("htm_out/" + page_file);

    occurrences.rules_of(page, &rules);
    heading.title = page_title(g_run.document.title, "page " + std::to_string(page));
    heading.language = g_run.document.language_of_page(page);
    write_page_head(out, heading, rules);

    removed.clear();
    for (; frames.on_page(page); frames.advance()) {
      removed.push_back({frames.number(range_record::kStart), frames.number(range_record::kEnd)});
    }
    read_staged_page(page, &characters);
    PageBody body(out, characters, removed);
    for (; spans.on_page(page); spans.advance()) {
      const Record& span = spans.record();
      const long position = spans.number(span_record::kPosition);
      const std::string_view kind = span.field(span_record::kKind);
      if (kind == span_record::kOpening || kind == span_record::kSecondPart) {
        body.write_through(position - 1);
        build_opening_markup(
            span.field(span_record::kWordNumber), span.field(span_record::kIndexPageStem),
            span.field(span_record::kOccurrenceId), &markup, kind == span_record::kSecondPart);
        out.write(markup.tag);
        out.write(markup.id_and_class);
        out.write(markup.handler);
      } else {
        body.write_through(position);
        out.write(kClosingMarkup);
      }
    }
    body.write_through(static_cast<long>(characters.size()));

    write_navigation_bar(out, page > 1 ? output_page_file(page - 1) : std::string(),
                         page < page_count ? output_page_file(page + 1) : std::string());
    out.close();
  }
}

}  // namespace lexiweb
