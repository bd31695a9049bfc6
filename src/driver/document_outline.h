// The document's own outline (its bookmarks) as the converter wrote it into
// htm_in/outline.htm, shown on the contents page with links to the site's pages.
#ifndef LEXIWEB_DRIVER_DOCUMENT_OUTLINE_H_
#define LEXIWEB_DRIVER_DOCUMENT_OUTLINE_H_

#include <string>
#include <string_view>

namespace lexiweb {

class RecordWriter;

// The converter's outline file; absent when the PDF has no outline.
inline constexpr char kOutlineFile[] = "htm_in/outline.htm";

// Writes the lines of the outline file after its "<h1>" line, up to the
// first line that begins with "</body>", each ended by CR LF and with its
// links to pages of the document led to their output pages. Writes nothing
// when there is no outline file or no "<h1>" line in it.
void write_document_outline(RecordWriter& out, int page_count);

// `line` with every href="page-N.html" whose N is a page of the document
// (1 to `page_count`) turned into href="" + the output page file of page N;
// every other byte stays, links to pages outside the document included.
std::string outline_line_with_site_links(std::string_view line, int page_count);

}  // namespace lexiweb

#endif  // LEXIWEB_DRIVER_DOCUMENT_OUTLINE_H_
