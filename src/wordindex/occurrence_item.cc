// Builds the list items of the index pages into a reused line.
#include "wordindex/occurrence_item.h"

#include "common/run_parameters.h"
#include "common/run_values.h"
#include "common/text.h"
#include "shell/record_reader.h"
#include "shell/scratch_catalogue.h"
#include "wordindex/search_link.h"

namespace lexiweb {

namespace {

// The link to the occurrence on its annotated page; its span carries the
// occurrence id so that the annotated page can open the index at this item.
void append_item_opening(std::string& line, std::string_view output_stem,
                         std::string_view occurrence_id, std::string_view word) {
  line += "<li >";
  append_occurrence_link(line, output_stem, occurrence_id, word);
}

void append_source_page_name(std::string& line, std::string_view page_field) {
  line += page_stem(whole_value(page_field));
  line += ".htm";
}

}  // namespace

void append_occurrence_link(std::string& line, std::string_view page_stem,
                            std::string_view occurrence_id, std::string_view word) {
  line += "<a href=\"";
  line += page_stem;
  line += ".htm#";
  line += occurrence_id;
  line += "\" ><span  id=\"";
  line += occurrence_id;
  line += "\" > ";
  line += word;
  line += "</span> </a>";
}

void append_short_item(std::string& line, std::string_view page_field, std::string_view output_stem,
                       std::string_view occurrence_id, std::string_view word) {
  append_item_opening(line, output_stem, occurrence_id, word);
  line += " (";
  append_source_page_name(line, page_field);
  line += " , ";
  line += output_stem;
  line += ".htm)</li>";
}

void append_full_item(std::string& line, const Record& occurrence, std::string_view word_anchor) {
  std::string_view output_stem = occurrence.field(placed_occurrence_record::kOutputPageStem);
  std::string_view running_number = occurrence.field(placed_occurrence_record::kRunningNumber);
  std::string_view context = occurrence.field(placed_occurrence_record::kContext);

  append_item_opening(line, output_stem, occurrence.field(placed_occurrence_record::kOccurrenceId),
                      occurrence.field(placed_occurrence_record::kWord));
  line += "&nbsp (";
  append_source_page_name(line, occurrence.field(placed_occurrence_record::kPage));
  if (!running_number.empty()) {
    line += " (";
    line += running_number;
    line += ". ";
    line += label(kWordLabel);
    line += ")) ";
  }
  line += "&nbsp <a href = \"";
  line += g_run.all_words_page_file;
  line += '#';
  line += word_anchor;
  line += "\"> ";
  line += label(kIndexLabel);
  line += "</a>&nbsp";
  line += " ... ";
  line += context;
  line += "...,  ";
  line += output_stem;
  line += ".htm)&nbsp ";
  line += "&nbsp <a href=\"";
  append_search_address(line, context, g_run.target_site);
  line += "\"> Google </a>";
  line += "</li>";
}

}  // namespace lexiweb
