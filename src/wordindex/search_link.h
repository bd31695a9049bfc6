// The web search address of an index item: the occurrence's context,
// restricted to the target site, as one percent-encoded query value.
#ifndef LEXIWEB_WORDINDEX_SEARCH_LINK_H_
#define LEXIWEB_WORDINDEX_SEARCH_LINK_H_

#include <string>
#include <string_view>

namespace lexiweb {

// Appends "https://" + search_host + "/search?q=" and the query value: the
// context with its character references decoded, " site:" and the target
// site, percent-encoded byte by byte. Only A-Z a-z 0-9 - . _ ~ stand as they
// are, so neither "&", "#", "+", "%" of the context nor a double quote of
// the target site can cut the query or the attribute it stands in.
void append_search_address(std::string& out, std::string_view context,
                           std::string_view target_site);

// Appends `bytes` percent-encoded as above (%XX, upper-case hex digits).
void append_percent_encoded(std::string& out, std::string_view bytes);

}  // namespace lexiweb

#endif  // LEXIWEB_WORDINDEX_SEARCH_LINK_H_
