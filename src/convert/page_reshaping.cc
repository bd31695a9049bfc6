// One page in memory at a time. The page images page001.png ... stay as
// written, since the pages refer to them by those names.
#include "convert/page_reshaping.h"

#include <algorithm>
#include <cstdio>

#include "common/complete_file.h"
#include "convert/conversion_report.h"
#include "convert/converter.h"
#include "convert/converter_page.h"
#include "convert/copied_text.h"
#include "convert/finished_output.h"
#include "convert/outline_headings.h"
#include "convert/page_backgrounds.h"
#include "convert/recognised_lines.h"
#include "convert/recognition_script.h"
#include "convert/search_field.h"
#include "convert/wordless_page.h"
#include "platform/console.h"
#include "shell/file_ops.h"
#include "typeset/blank_links.h"
#include "typeset/flow_view.h"
#include "typeset/font_folder.h"
#include "typeset/page_structure.h"

namespace lexiweb {
namespace {

std::string page_name(int page) { return "page" + std::to_string(page) + ".html"; }

// The page that stands in for a lost page: a page without words of its
// size, with its background when one was drawn for it; an image that
// stays unshown is deleted, so that no page image is left without its page.
std::string stand_in_page(const Conversion& conversion, int page, PagePixels size) {
  std::string html = wordless_page(page, size);
  const std::string image = conversion.path(background_image_file(page));
  // The image of a page that could not be read shows nothing of it.
  if (!size.read || !image_is_finished(image) || !add_background_line(html, page)) {
    delete_file(image);
  }
  return html;
}

// What reshape_pages made: the number of pages, -1 when it failed, and
// whether any page got recognised words.
struct ReshapedPages {
  int pages = 0;
  bool words_laid = false;
};

// Reshapes and typesets pages 1, 2, ... up to the page count when it is
// known, else as long as pdftohtml wrote them: each page-N.html becomes
// pageN.html (see converter_page.h), with the line of its background image
// first when the renderer drew it, set in free faces with its fragments'
// widths (see typesetting.h), and with the search field (see
// search_field.h). The pages that `outcomes` marks lost are stood in for,
// sized as `sizes` says, and those that lost their background go without
// it. The pages that `words` has words for get them over their pictures
// (see recognised_lines.h).
ReshapedPages reshape_pages(const Conversion& conversion, const std::vector<PageOutcome>& outcomes,
                            const std::vector<PagePixels>& sizes, const WordlessPageWords& words,
                            Typesetting& typesetting,
                            const std::vector<std::string>& drawn_structure,
                            const DocumentFacts& document) {
  const int page_count = conversion.page_count;
  ReshapedPages reshaped;
  int& page = reshaped.pages;
  std::string raw;
  // Each process over a range of pages writes the whole outline; the
  // first page's is there before any page is reshaped.
  std::string outline_html;
  const std::string outline_path = conversion.path(std::string(kConverterPrefix) + "-outline.html");
  if (file_exists(outline_path) && !read_whole_file(outline_path, &outline_html))
    outline_html.clear();
  std::map<int, std::vector<OutlineHeading>> headings = outline_headings(outline_html);
  PageStructure structure;
  PageFacts facts;
  facts.document_title = document.title;
  facts.document_language = document.language;
  // A tagged PDF's structure, page by page.
  DrawnStructureReader tags(drawn_structure);
  DrawnStructurePage page_tags;
  for (const auto& [page, entries] : headings) {
    for (const OutlineHeading& entry : entries)
      facts.outline_levels = std::max(facts.outline_levels, entry.depth + 1);
  }
  while (page_count == 0 ? file_exists(conversion.path(converter_page_file(page + 1)))
                         : page < page_count) {
    ++page;
    const std::string raw_path = conversion.path(converter_page_file(page));
    const std::string page_path = conversion.path(page_name(page));
    const PageOutcome outcome = outcomes.empty() ? PageOutcome() : outcomes[page - 1];
    if (outcome.page_lost) {
      raw = stand_in_page(conversion, page, sizes[page - 1]);
    } else if (!file_exists(raw_path)) {
      print_line(unwritten_page_line(conversion, page));
      return {-1, false};
    } else if (!read_whole_file(raw_path, &raw)) {
      print_line("The converted page " + raw_path + " could not be rewritten as " + page_path);
      return {-1, false};
    } else if (outcome.background_lost) {
      delete_file(conversion.path(background_image_file(page)));
    } else if (conversion.rendering() && !add_background_line(raw, page)) {
      print_line("pdftohtml wrote page " + std::to_string(page) + " of " + conversion.pdf_file +
                 " without the page start that its background image follows");
      return {-1, false};
    }
    // Checked with its background line, so that the image it names is checked too.
    const std::string unfinished = unfinished_page_reason(raw, conversion.folder);
    if (!unfinished.empty()) {
      print_line(unwritten_page_line(conversion, page, unfinished));
      return {-1, false};
    }
    std::string page_html = reshape_page(raw);
    std::vector<PlacedLine> lines;
    if (const auto found = words.recognised.find(page); found != words.recognised.end()) {
      lines = recognised_lines(found->second, page_width_of(page_html));
    } else if (words.layered.contains(page)) {
      lines = invisible_lines(typesetting.drawn_runs(page));
    }
    add_recognised_lines(page_html, lines);
    // A scan that could not be read is the page all the same.
    const bool scan =
        !lines.empty() || std::find(words.unrecognised.begin(), words.unrecognised.end(), page) !=
                              words.unrecognised.end();
    describe_background(page_html, page, scan);
    reshaped.words_laid = reshaped.words_laid || !lines.empty();
    // Read once into its fragments, which the typesetting and the
    // structure work on; written once.
    ConvertedPage converted = read_converted_page(std::move(page_html));
    typesetting.set_page(converted, page);
    unlink_blank_links(converted);
    facts.page = page;
    facts.outline_headings = std::move(headings[page]);
    facts.background_image = file_exists(conversion.path(background_image_file(page)))
                                 ? background_image_file(page)
                                 : "";
    facts.tags = tags.page_of(page, &page_tags) ? &page_tags : nullptr;
    facts.fragment_runs = typesetting.fragment_runs();
    structure.structure(converted, facts);
    page_html = written_page(converted);
    add_font_folder_script_at_end(page_html, kCopyScriptFile);
    add_search_field(page_html);
    write_whole_file(page_path, page_html);
    delete_file(raw_path);
  }
  return reshaped;
}

// The index the run reads, in place of pdftohtml's frameset: one line per
// page, linking it; no other line names a page.
void write_index(const Conversion& conversion, int page_count) {
  std::string index =
      "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"UTF-8\">\r\n"
      "<title>Index</title>\r\n</head>\r\n<body>\r\n";
  for (int page = 1; page <= page_count; ++page) {
    index += "<a href=\"" + page_name(page) + "\">page" + std::to_string(page) + "</a><br>\r\n";
  }
  index += "</body>\r\n</html>\r\n";
  write_whole_file(conversion.path("index.html"), index);
}

// Removes pdftohtml's frameset and frame index, and keeps its outline, which
// it writes when the PDF has one, as outline.html, its bytes unchanged. Each
// process over a page range writes the whole document's outline to the same
// file, all of them the same bytes from the start, so once all have ended
// the file is whole. False when the outline cannot be kept.
bool tidy_converter_extras(const Conversion& conversion) {
  const std::string prefix = conversion.path(std::string(kConverterPrefix));
  delete_file(prefix + ".html");
  delete_file(prefix + "_ind.html");
  const std::string outline = prefix + "-outline.html";
  return !file_exists(outline) ||
         std::rename(outline.c_str(), conversion.path(kOutlinePage).c_str()) == 0;
}

}  // namespace

bool finish_conversion(const Conversion& conversion, const std::vector<PageOutcome>& outcomes,
                       const WordlessPageWords& words, Typesetting& typesetting,
                       const std::vector<std::string>& drawn_structure,
                       const DocumentFacts& document) {
  // The sizes of the lost pages, and of the pages before them, whose size
  // a page that cannot be read takes.
  int last_lost = 0;
  for (int page = 1; page <= static_cast<int>(outcomes.size()); ++page) {
    if (outcomes[page - 1].page_lost) last_lost = page;
  }
  const std::vector<PagePixels> sizes =
      last_lost == 0 ? std::vector<PagePixels>()
                     : page_sizes(conversion.pdf_file, last_lost, conversion.zoom);
  const ReshapedPages reshaped =
      reshape_pages(conversion, outcomes, sizes, words, typesetting, drawn_structure, document);
  if (reshaped.pages < 0) return false;
  if (reshaped.words_laid) write_recognition_script(conversion.folder);
  if (!typesetting.finish()) {
    print_line("The fonts could not be written into " + conversion.path(kFontFolder));
    return false;
  }
  write_into_font_folder(conversion.folder, kCopyScriptFile, kCopyScript);
  write_flow_view(conversion.folder);
  write_search_script(conversion.folder);
  if (!tidy_converter_extras(conversion)) {
    print_line("The document outline in " + conversion.folder + " could not be kept");
    return false;
  }
  if (reshaped.pages == 0) {
    print_line("pdftohtml wrote no pages for " + conversion.pdf_file);
    return false;
  }
  write_index(conversion, reshaped.pages);
  return true;
}

}  // namespace lexiweb
