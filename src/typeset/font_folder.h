// The folder beside the converted pages that holds the faces they are set
// in and the scripts of their own; the pages refer to its files by this
// relative name, so it travels with them into the site.
#ifndef LEXIWEB_TYPESET_FONT_FOLDER_H_
#define LEXIWEB_TYPESET_FONT_FOLDER_H_

namespace lexiweb {

inline constexpr char kFontFolder[] = "fonts";

}  // namespace lexiweb

#endif  // LEXIWEB_TYPESET_FONT_FOLDER_H_
