// Learns the page count from pdfinfo, has the pages converted (see
// page_conversion.h), the pages without text of their own read (see
// recognition.h), and what was written reshaped into the pages and the
// index the run reads (see page_reshaping.h).
#include "convert/converter.h"

#include <algorithm>
#include <string_view>

#include "common/document_facts.h"
#include "common/drawn_text.h"
#include "common/text.h"
#include "convert/conversion.h"
#include "convert/conversion_report.h"
#include "convert/converter_page.h"
#include "convert/document_facts_choice.h"
#include "convert/page_backgrounds.h"
#include "convert/page_conversion.h"
#include "convert/page_reshaping.h"
#include "convert/pdf_own_facts.h"
#include "convert/recognition.h"
#include "platform/console.h"
#include "platform/system_info.h"
#include "shell/file_ops.h"
#include "shell/process_pool.h"
#include "shell/run_shell.h"
#include "typeset/font_folder.h"
#include "typeset/typesetting.h"

namespace lexiweb {
namespace {

// Digits with at most one decimal point, and not zero: what pdftohtml takes as zoom.
bool is_positive_decimal(std::string_view text) {
  bool seen_point = false;
  bool seen_nonzero_digit = false;
  for (char c : text) {
    if (c == '.' && !seen_point) {
      seen_point = true;
    } else if (c >= '0' && c <= '9') {
      if (c != '0') seen_nonzero_digit = true;
    } else {
      return false;
    }
  }
  return seen_nonzero_digit;
}

// The page count of a pdfinfo report, or 0 when it tells none.
int document_page_count(std::string_view pdfinfo_report) {
  const long count = whole_value(pdfinfo_field(pdfinfo_report, "Pages:"));
  return count > 0 && count < 1'000'000'000 ? static_cast<int>(count) : 0;
}

// The site's title (chosen before the pages were typeset) and languages,
// kept beside the pages and the outline (common/document_facts.h) so that
// lexiweb-pages finds them there too. `document` holds the PDF's own /Lang.
void write_document_facts(const Conversion& conversion, const DocumentFacts& document) {
  std::vector<std::string> pages;
  for (int page = 1;; ++page) {
    const std::string file = conversion.path("page" + std::to_string(page) + ".html");
    if (!file_exists(file)) break;
    pages.push_back(file);
  }
  DocumentFacts facts;
  facts.title = document.title;
  choose_document_languages(pages, document.language, &facts);
  write_whole_file(conversion.path(kDocumentFactsFile), format_document_facts(facts));
}

}  // namespace

bool run_converter(const std::string& magnification, const std::string& pdf_file,
                   const std::string& output_folder) {
  Conversion conversion;
  // A blank typed after the number would make pdftohtml refuse the zoom.
  conversion.zoom = trim_blanks(magnification);
  if (!is_positive_decimal(conversion.zoom)) {
    print_line("The magnification factor must be a number such as 1.5, not \"" + magnification +
               "\": nothing was converted");
    return false;
  }
  conversion.pdf_file = pdf_file;
  conversion.folder = output_folder;
  if (!folder_exists(output_folder)) make_folder(output_folder);
  const std::string pdf_report = pdfinfo_report(pdf_file);
  conversion.page_count = document_page_count(pdf_report);
  conversion.renderer = background_renderer();
  const Recognition recognition = recognition_setup();
  conversion.processes = core_count();
  ConvertedPages converted;
  bool done = convert_pages(conversion, &converted);
  DrawnPages drawn;
  for (const std::string& file : converted.drawn_pages) {
    read_drawn_pages(file, &drawn);
    delete_file(file);
  }
  WordlessPageWords words;
  if (done && conversion.rendering()) {
    words = wordless_page_words(conversion, recognition, converted.outcomes, drawn.pages);
  }
  DocumentFacts document = pdf_own_facts(converted.drawn_structure, pdf_report);
  if (done) {
    // The title names the pages that have no heading of their own; the
    // outline is still under the converter's name.
    std::string outline;
    const std::string outline_path =
        conversion.path(std::string(kConverterPrefix) + "-outline.html");
    if (file_exists(outline_path)) read_whole_file(outline_path, &outline);
    document.title = choose_document_title(document.title, outline, conversion.pdf_file);
    Typesetting typesetting(output_folder, std::move(converted.drawn_text), drawn.fonts);
    done = finish_conversion(conversion, converted.outcomes, words, typesetting,
                             converted.drawn_structure, document);
  }
  for (const std::string& file : converted.drawn_structure) delete_file(file);
  if (!done) {
    // Nothing of a failed conversion stays to be taken for a document.
    delete_matching(output_folder, "*");
    delete_matching(output_folder + "/" + kFontFolder, "*");
    remove_empty_folder(output_folder + "/" + kFontFolder);
    return false;
  }
  write_document_facts(conversion, document);
  report_lost_pages(conversion, converted.outcomes);
  report_unread_pages(conversion, words);
  return true;
}

}  // namespace lexiweb
