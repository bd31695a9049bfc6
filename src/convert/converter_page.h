// Reshapes one page written by pdftohtml's complex mode into the form the
// word scanner and the page assembly read: plain blanks and quotes in the
// text, the style element at the start of the body, an empty title.
#ifndef LEXIWEB_CONVERT_CONVERTER_PAGE_H_
#define LEXIWEB_CONVERT_CONVERTER_PAGE_H_

#include <optional>
#include <string>
#include <string_view>

namespace lexiweb {

// The output prefix handed to pdftohtml. It writes page N as "page-N.html",
// its image as "page" and N in three or more digits ".png" (kept as they are),
// and links to page N of the same document as "page-N.html".
inline constexpr std::string_view kConverterPrefix = "page";

// The name pdftohtml gives page N: "page-N.html".
inline std::string converter_page_file(int page) {
  return std::string(kConverterPrefix) + "-" + std::to_string(page) + ".html";
}

// The page `raw` reshaped:
// - the style element moves from the head to the start of the body, because
//   the head is cut away when the page is assembled, and gets the rules that
//   show the fragments' links as the PDF does;
// - the title is emptied: its text would be indexed as words of the page,
//   yet it never shows on the finished page;
// - in the text outside tags, &#160; and &nbsp; become blanks, so that words
//   are separated as the scanner expects, and the references of the double
//   quote and the apostrophe become the plain characters; &amp; &lt; &gt;
//   and every other byte stay;
// - link targets are rewritten by link_target; a link that it refuses
//   becomes a plain <a> start tag, so that its text stays and nothing can
//   be followed.
std::string reshape_page(std::string_view raw);

// The href for a link that pdftohtml wrote with target `href`, or nothing
// when the link must go because a browser would not just follow it
// (is_followable_link: javascript:, data: and the like). A link to page N of
// the same document ("page-N.html", perhaps with a "#" part) leads to the
// annotated page of page N, "f" and N in six digits ".htm", which stands
// beside the other annotated pages in the finished site. Other links (web
// and mail addresses) stay, except that characters that would end the
// attribute or the tag early (a double quote, < and >) are percent-encoded.
std::optional<std::string> link_target(std::string_view href);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_CONVERTER_PAGE_H_
