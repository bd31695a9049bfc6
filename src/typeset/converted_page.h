// A converted page read once: its head, through the style element where
// the typesetting's rules go, and its body with the text fragments found
// in it (the p elements pdftohtml writes, and the recognised lines). The
// typesetting and the page structure work on those fragments and say what
// changes: a fragment's widths, its content, a stretch of the body written
// otherwise. written_page then writes the page once.
#ifndef LEXIWEB_TYPESET_CONVERTED_PAGE_H_
#define LEXIWEB_TYPESET_CONVERTED_PAGE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lexiweb {

struct PageFragment {
  // Where it stands in the body: its "<p", the ">" of its start tag, its
  // "</p>", and past that.
  size_t begin = 0;
  size_t tag_end = 0;
  size_t content_end = 0;
  size_t end = 0;
  // Placed by its top and left, as the converter places its own fragments;
  // recognised lines are placed by their left first.
  bool placed_by_top = false;
  std::string class_name;  // empty when it names none
  // The widths of its lines in pixels, "w1,w2,...", written as its data-w
  // attribute; empty for none.
  std::string widths;
  // Its content where the typesetting rewrote it.
  bool rewritten = false;
  std::string content;
};

struct ConvertedPage {
  std::string head;                     // up to and with the style element and its line end
  std::string body;                     // the rest
  std::vector<PageFragment> fragments;  // in the order of the body
  // Stretches of the body [from, to) written as `text` instead, apart from
  // one another; an empty stretch is an insertion.
  struct Rewrite {
    size_t from = 0;
    size_t to = 0;
    std::string text;
  };
  std::vector<Rewrite> rewrites;
};

// Reads `html`, a converted page as the converter's reshaping left it.
ConvertedPage read_converted_page(std::string html);

// A fragment's tag, as read.
std::string_view start_tag(const ConvertedPage& page, const PageFragment& fragment);

// A fragment's content, as rewritten or read.
std::string_view content_of(const ConvertedPage& page, const PageFragment& fragment);

// Appends `fragment` with its widths and content, and with `follows` as
// its data-f attribute when that is not empty (see page_structure.h).
void append_fragment(const ConvertedPage& page, const PageFragment& fragment,
                     std::string_view follows, std::string& out);

// The page with every change.
std::string written_page(const ConvertedPage& page);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_CONVERTED_PAGE_H_
