// The characters of a piece of a converted page's markup, as a browser
// shows them: tags left out, character references decoded, and in which
// of pdftohtml's bold and italic elements they stand.
#ifndef LEXIWEB_TYPESET_MARKUP_TEXT_H_
#define LEXIWEB_TYPESET_MARKUP_TEXT_H_

#include <string>
#include <string_view>

namespace lexiweb {

// The text of `markup` as UTF-8: the named references pdftohtml writes
// (&amp; &lt; &gt; &quot; &apos; &nbsp;) and numeric ones decoded, other
// text as it stands.
std::string text_of_markup(std::string_view markup);

// The characters of `markup` by where they stand: `by_style[0]` gets those
// outside b and i elements, [1] those inside b only, [2] inside i only,
// [3] inside both.
void add_styled_characters(std::string_view markup, std::u32string (&by_style)[4]);

// `text` (UTF-8) without its blanks: spaces, tabs and no-break spaces.
std::string without_blanks(std::string_view text);

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_MARKUP_TEXT_H_
