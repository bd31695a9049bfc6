// How the pages of a document are shared out among converter processes.
#ifndef LEXIWEB_CONVERT_PAGE_RANGES_H_
#define LEXIWEB_CONVERT_PAGE_RANGES_H_

#include <vector>

#include "shell/process_pool.h"

namespace lexiweb {

// Pages 1 to `page_count` cut into consecutive ranges, to be handed out in
// order to `processes` processes as they become free. Each range takes the
// pages left divided by twice the processes, but never fewer than
// `smallest` pages (only the last range may be shorter): large ranges first,
// so that few processes re-read the document, and ever smaller ones towards
// the end, so that the processes end at about the same time even when some
// pages take much longer to convert than others.
std::vector<PageRange> page_ranges(int page_count, int processes, int smallest);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_PAGE_RANGES_H_
