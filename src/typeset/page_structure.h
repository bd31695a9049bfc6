// The structure of a converted page: its fragments grouped into blocks
// (headings, paragraphs, list items, code, captions, running headers and
// footers, figures) and written in reading order, each block wrapped in the
// element a screen reader announces it by. The fragments keep their places
// and their markup, so the page looks as before on a desktop; the wrappers
// give the flowing view (flow.css, flow.js) its paragraphs on a narrow window.
//
// Sources, most trusted first: the document's outline (an entry is a
// heading of the page it leads to, at its depth), then the type: size,
// weight, fixed pitch, indentation, bullets and numbering, the gaps between
// lines. The running header and footer are the lines at a page's top and
// bottom that repeat from page to page (digits aside), and page numbers.
#ifndef LEXIWEB_TYPESET_PAGE_STRUCTURE_H_
#define LEXIWEB_TYPESET_PAGE_STRUCTURE_H_

#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/drawn_structure.h"
#include "typeset/converted_page.h"

namespace lexiweb {

// An outline entry that leads to the page: its title, and its depth (0 for
// an entry at the outline's top).
struct OutlineHeading {
  std::string title;
  int depth = 0;
};

// What a page's structure needs besides the page itself.
struct PageFacts {
  int page = 0;
  // The document's title: the page's level-1 heading where it has none of its own.
  std::string document_title;
  std::vector<OutlineHeading> outline_headings;
  // How deep the document's outline goes (0 without one): headings that
  // the type alone tells stand below its levels.
  int outline_levels = 0;
  // The background image's file, shown cut to a figure's region in the
  // flowing view; empty when the page has none.
  std::string background_image;
  // A tagged PDF's own structure of the page (common/drawn_structure.h),
  // null or without elements when it has none; the language of the
  // document (its catalogue's /Lang); and the drawn run that starts each
  // fragment placed by its top, in the page's order (-1 where none was
  // found), by which the fragments find their elements.
  const DrawnStructurePage* tags = nullptr;
  std::string document_language;
  std::vector<long> fragment_runs;
};

// The attribute value that marks how a fragment follows the one before it
// in its block when the text flows: nothing (it goes on the same word), a
// blank, the blank its own text starts with (which the markup's line end
// before it would otherwise swallow), or a line-end hyphen that the
// flowing view hides.
inline constexpr char kFollowsWithBlank[] = "s";
inline constexpr char kFollowsWithOwnBlank[] = "b";
inline constexpr char kFollowsHyphenated[] = "h";

class PageStructure {
 public:
  // Rewrites the page division of `page` (a converted page as the
  // typesetting left it): its fragments in reading order, wrapped by
  // blocks, with a level-1 heading. A page whose division holds anything
  // else between its fragments keeps its order and gets its heading only.
  // Pages come in ascending order: the running header and footer are
  // recognised by the pages before.
  void structure(ConvertedPage& page, const PageFacts& facts);

 private:
  // The texts at the top and the bottom of the last pages, digits left out.
  std::deque<std::string> recent_margins_;
  // The letters of the pages so far by the size they are set in, in half
  // pixels.
  std::map<long, size_t> document_letters_;
};

// Text as outline entries and headings are matched: letters and digits
// only, lower-cased (ASCII), every other byte sequence one blank.
std::string matching_key(std::string_view text);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_PAGE_STRUCTURE_H_
