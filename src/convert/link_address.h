// Link addresses of a document as a browser reads them, to tell the links
// that lead somewhere from those that would run code in the site's pages.
#ifndef LEXIWEB_CONVERT_LINK_ADDRESS_H_
#define LEXIWEB_CONVERT_LINK_ADDRESS_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The address a browser takes from the href attribute text `href`: character
// references decoded (numeric ones with or without their ";", named ones
// for ASCII characters with it; others stay as written), blanks and
// control characters (codes up to 32, and 127) dropped, ASCII letters in
// lower case. Characters outside ASCII that a reference stands for come out
// as the byte 0x80, which no scheme holds.
std::string address_as_browser_reads(std::string_view href);

// True when following `href` only leads to a place: a relative address (a
// page of the site) or one of the schemes http, https, ftp and mailto. The
// scheme is the text of address_as_browser_reads(href) before its first ":",
// when that stands before any "/", "?" or "#"; every other scheme
// (javascript:, data:, vbscript:, ...) may run code or show a page of the
// document author's making in the site's origin.
bool is_followable_link(std::string_view href);

}  // namespace lexiweb

#endif  // LEXIWEB_CONVERT_LINK_ADDRESS_H_
