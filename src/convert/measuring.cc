// The measuring runs among the converter's processes, in processes of its
// own, so that a document that crashes poppler's library ends only the
// measuring, never the run. pdftohtml -xml -i costs about a tenth of
// pdftohtml -c, which draws the page images.
#include "convert/measuring.h"

#include <algorithm>

#include "convert/page_ranges.h"
#include "platform/private_programs.h"
#include "platform/system_info.h"

namespace lexiweb {

Measuring measuring_jobs(const std::string& zoom, const std::string& pdf_file,
                         const std::string& folder, int page_count) {
  const std::string pdf = as_operand(pdf_file);
  const std::string query = font_query_program();
  // One range per core: every pdftohtml start reads the document's
  // structure anew, which costs as much as measuring several pages, and the
  // pages measure in about the same time each.
  const int cores = core_count();
  std::vector<PageRange> ranges =
      page_ranges(page_count, cores, std::max(1, (page_count + cores - 1) / cores));
  if (page_count == 0) ranges = {{1, 1'000'000'000}};
  Measuring jobs;
  // The fonts are the document's: one query over all its pages, which
  // takes a fraction of a second.
  if (!query.empty()) {
    const std::string stem = folder + "/measure-fonts.txt";
    jobs.jobs.push_back({{query, "1", std::to_string(page_count > 0 ? page_count : 1'000'000'000),
                          pdf, as_operand(stem)},
                         {},
                         nullptr,
                         true});
    jobs.files.push_back(stem);
  }
  for (const PageRange& range : ranges) {
    const std::string first = std::to_string(range.first);
    const std::string last = std::to_string(range.last);
    const std::string stem = folder + "/measure-" + first;
    std::vector<std::string> xml = {"pdftohtml", "-q", "-xml", "-i", "-zoom", zoom};
    if (page_count > 0) xml.insert(xml.end(), {"-f", first, "-l", last});
    xml.insert(xml.end(), {pdf, as_operand(stem)});
    jobs.jobs.push_back({xml, {}, nullptr, true});
    jobs.files.push_back(stem + ".xml");
  }
  return jobs;
}

std::string font_query_program() { return private_program("lexiweb-fonts"); }

}  // namespace lexiweb
