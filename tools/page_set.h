// Random page sets: working folders whose htm_in holds pages in the form the
// converter layer leaves (index.htm naming the pages, page1.htm ...), made
// from a seed, for comparing two builds of lexiweb-pages on many odd inputs.
// The same seed gives the same bytes on every machine and compiler, since
// the pages are drawn from a random generator of our own.
#ifndef LEXIWEB_TOOLS_PAGE_SET_H_
#define LEXIWEB_TOOLS_PAGE_SET_H_

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lexiweb::tools {

struct PageSet {
  std::vector<std::string> pages;  // the bytes of page1.htm, page2.htm, ...
  std::string image;               // page001.png when not empty
};

// A set of 1 to about 12 pages mixing converter-like pages with malformed
// markup, cross-page elements, odd bytes and extreme words.
PageSet make_page_set(uint64_t seed);

// htm_in/index.htm as the converter layer writes it for `page_count` pages.
std::string converter_index(int page_count);

// Writes `set` into `workdir`/htm_in, making the folders as needed.
void write_page_set(const PageSet& set, const std::filesystem::path& workdir);

}  // namespace lexiweb::tools

#endif  // LEXIWEB_TOOLS_PAGE_SET_H_
