// Decodes the HTML character references that a page's text may carry
// (&amp;, &#233;, &#x20AC; ...), so that the text can be used outside HTML.
#ifndef LEXIWEB_COMMON_HTML_REFERENCES_H_
#define LEXIWEB_COMMON_HTML_REFERENCES_H_

#include <string>
#include <string_view>

namespace lexiweb {

// One reference at the start of a text and the bytes it stands for.
struct DecodedReference {
  size_t length = 0;  // bytes of the reference; 0 when the text does not start with one
  char bytes[4] = {};
  int size = 0;  // bytes of the decoded text, UTF-8
};

// Decodes the reference that `text` starts with: &amp; &lt; &gt; &quot;
// &apos;, decimal and hex numeric references (as UTF-8), with &nbsp; and
// code point 160 read as a blank. Any other named reference, a reference
// without its ";" and a numeric one outside Unicode's scalar values are not
// decoded (length 0), so that they stay as written.
DecodedReference decode_reference(std::string_view text);

// Appends `text` with every reference that decode_reference reads decoded.
void append_decoded(std::string& out, std::string_view text);

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_HTML_REFERENCES_H_
