// What one structure element's own dictionary says of it, read the same way
// whether the tree is walked whole or climbed from a page's content: its
// standard role after the role map, a heading's level, /Lang, /Alt,
// /ActualText and a table cell's spans.
#ifndef LEXIWEB_RENDER_STRUCTURE_ELEMENT_H_
#define LEXIWEB_RENDER_STRUCTURE_ELEMENT_H_

#include <string>

#include "common/drawn_structure.h"

class GooString;
class Object;

namespace lexiweb {

// The element's own fields; its id, parent and box are left to the reader,
// and its lang stays empty when it has no /Lang of its own.
DrawnElement element_fields(const Object& dict, const Object& role_map);

// A PDF text string (UTF-16 with its byte order mark, or PDFDocEncoding)
// as UTF-8; empty when there is none.
std::string text_of(const GooString* string);
std::string text_of(const Object& object);

}  // namespace lexiweb

#endif  // LEXIWEB_RENDER_STRUCTURE_ELEMENT_H_
