#include "common/drawn_structure.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "common/number_fields.h"

namespace lexiweb {
namespace {

// A text field keeps its line and its neighbours apart.
void append_text_field(std::string& out, std::string_view text) {
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    out += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
}

// The text up to the next tab, taken off `line` with the tab.
std::string_view take_text_field(std::string_view& line) {
  const size_t tab = line.find('\t');
  const std::string_view field = line.substr(0, tab);
  line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
  return field;
}

bool is_kind(char c) {
  switch (static_cast<MarkKind>(c)) {
    case MarkKind::kContent:
    case MarkKind::kArtifact:
    case MarkKind::kHeader:
    case MarkKind::kFooter:
    case MarkKind::kPageNumber:
    case MarkKind::kWatermark:
      return true;
  }
  return false;
}

bool starts_line(std::string_view line, char kind) {
  return line.size() >= 2 && line[0] == kind && line[1] == ' ';
}

// The page number of a page start line, or 0 when `line` is none.
long page_start_of(std::string_view line) {
  if (!starts_line(line, kStructurePageStart)) return 0;
  long page = 0;
  const char* end = line.data() + line.size();
  const auto [stop, error] = std::from_chars(line.data() + 2, end, page);
  return error == std::errc() && stop == end && page > 0 ? page : 0;
}

bool is_page_end(std::string_view line) { return line.size() == 1 && line[0] == kStructurePageEnd; }

}  // namespace

void append_document_tags(std::string& out, const DocumentTags& document) {
  out += kStructureDocument;
  out += ' ';
  append_text_field(out, document.lang);
  out += '\t';
  append_text_field(out, document.title);
  out += "\r\n";
}

void append_drawn_element(std::string& out, const DrawnElement& element) {
  out += kStructureElement;
  out += ' ';
  for (long number : {element.id, element.parent, element.level, element.columns, element.rows,
                      element.left, element.top, element.right, element.bottom}) {
    append_number_field(out, number);
  }
  append_text_field(out, element.role.empty() ? "-" : element.role);
  out += '\t';
  append_text_field(out, element.lang);
  out += '\t';
  append_text_field(out, element.alt);
  out += '\t';
  append_text_field(out, element.actual);
  out += "\r\n";
}

void append_marked_piece(std::string& out, const MarkedPiece& piece) {
  out += kStructurePiece;
  out += ' ';
  append_number_field(out, piece.run);
  append_number_field(out, piece.offset);
  append_number_field(out, piece.element);
  append_number_field(out, piece.order);
  out += static_cast<char>(piece.kind);
  out += "\r\n";
}

void append_structure_page(std::string& out, const DrawnStructurePage& page) {
  out += kStructurePageStart;
  out += ' ';
  out += std::to_string(page.page);
  out += "\r\n";
  for (const DrawnElement& element : page.elements) append_drawn_element(out, element);
  for (const MarkedPiece& piece : page.pieces) append_marked_piece(out, piece);
  out += kStructurePageEnd;
  out += "\r\n";
}

bool parse_document_tags(std::string_view line, DocumentTags* document) {
  if (!starts_line(line, kStructureDocument)) return false;
  line.remove_prefix(2);
  document->lang.assign(take_text_field(line));
  document->title.assign(take_text_field(line));
  return true;
}

bool parse_drawn_element(std::string_view line, DrawnElement* element) {
  if (!starts_line(line, kStructureElement)) return false;
  line.remove_prefix(2);
  for (long* number :
       {&element->id, &element->parent, &element->level, &element->columns, &element->rows,
        &element->left, &element->top, &element->right, &element->bottom}) {
    if (!take_number_field(line, number)) return false;
  }
  element->role.assign(take_text_field(line));
  if (element->role.empty()) return false;
  element->lang.assign(take_text_field(line));
  element->alt.assign(take_text_field(line));
  element->actual.assign(take_text_field(line));
  return true;
}

bool parse_marked_piece(std::string_view line, MarkedPiece* piece) {
  if (!starts_line(line, kStructurePiece)) return false;
  line.remove_prefix(2);
  if (!take_number_field(line, &piece->run) || !take_number_field(line, &piece->offset) ||
      !take_number_field(line, &piece->element) || !take_number_field(line, &piece->order) ||
      line.size() != 1 || !is_kind(line[0])) {
    return false;
  }
  piece->kind = static_cast<MarkKind>(line[0]);
  return true;
}

bool read_document_tags(const std::string& path, DocumentTags* document) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return parse_document_tags(line, document);
}

MarkedPiece piece_at(const DrawnStructurePage& page, long run, long offset) {
  // The last piece that begins at or before the byte.
  const auto after = std::upper_bound(
      page.pieces.begin(), page.pieces.end(), std::pair(run, offset),
      [](const std::pair<long, long>& place, const MarkedPiece& piece) {
        return place.first < piece.run || (place.first == piece.run && place.second < piece.offset);
      });
  if (after == page.pieces.begin()) return {run, offset, 0, 0, MarkKind::kContent};
  return *(after - 1);
}

bool DrawnStructureReader::page_of(long page, DrawnStructurePage* structure) {
  structure->page = page;
  structure->elements.clear();
  structure->pieces.clear();
  std::string line;
  // Find the page's start line, passing over earlier pages.
  while (true) {
    if (!lines_.next(line)) return false;
    const long number = page_start_of(line);
    if (number == page) break;
    if (number > page) {
      lines_.put_back(std::move(line));
      return false;
    }
  }
  DrawnElement element;
  MarkedPiece piece;
  while (lines_.next(line)) {
    if (is_page_end(line)) return true;
    if (page_start_of(line) != 0) {  // the page was cut short
      lines_.put_back(std::move(line));
      break;
    }
    if (parse_drawn_element(line, &element)) {
      structure->elements.push_back(element);
    } else if (parse_marked_piece(line, &piece)) {
      structure->pieces.push_back(piece);
    }
  }
  structure->elements.clear();
  structure->pieces.clear();
  return false;
}

}  // namespace lexiweb
