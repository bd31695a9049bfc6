// What a tagged PDF says of its own structure, as the background renderer
// finds it while it draws: per page, the structure elements that have
// content there, and for the runs of the drawn text (common/drawn_text.h)
// which element each piece of them belongs to. lexiweb-render writes it, a
// file per page range beside the drawn text; the converter reads it to
// find the page's headings, paragraphs, lists, tables and figures. Every
// line ends with CR LF:
//   "d LANG<tab>TITLE"    the document: the catalogue's /Lang and the
//                         Info dictionary's /Title, either empty when the
//                         PDF has none; the first line of every file
//   "p N"                 page N begins (only in a tagged document)
//   "s ID PARENT LEVEL COLUMNS ROWS LEFT TOP RIGHT BOTTOM ROLE<tab>LANG<tab>ALT<tab>ACTUAL"
//                         an element (see DrawnElement)
//   "m RUN OFFSET ELEMENT ORDER KIND"
//                         a piece (see MarkedPiece)
//   "e"                   page N is complete
// A page's elements are those whose own content lies on it, with all
// their ancestors, in the order of the tree: depth first, the author's
// reading order. Ids are numbered in that order among the elements of the
// file's range, so an element that goes on over a page break within the
// range has one id on both pages. The text fields hold UTF-8 with tabs and control
// characters turned into blanks.
#ifndef LEXIWEB_COMMON_DRAWN_STRUCTURE_H_
#define LEXIWEB_COMMON_DRAWN_STRUCTURE_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/file_series_lines.h"

namespace lexiweb {

struct DrawnElement {
  long id = 0;      // from 1, in the tree's depth-first order
  long parent = 0;  // 0 for a child of the tree's root
  // 1 to 6 for H1 to H6; 0 otherwise (an H tells no level of its own).
  long level = 0;
  // A table cell's span (its /ColSpan and /RowSpan), 1 and 1 otherwise.
  long columns = 1;
  long rows = 1;
  // Where what its marked content and that of its descendants draws on
  // the page (glyphs, pictures, paths) lies, in drawn_text.h's units at
  // the page's zoom; all 0 when it draws nothing there (a figure drawn
  // on another page, or an element of text only where the text alone is
  // recorded still has its glyphs' box).
  long left = 0;
  long top = 0;
  long right = 0;
  long bottom = 0;
  // The standard role after the document's RoleMap: Document, Part, Art,
  // Sect, Div, P, H, H1..H6, L, LI, Lbl, LBody, Table, TR, TH, TD, THead,
  // TBody, TFoot, Caption, Figure, Formula, Form, Span, Quote, BlockQuote,
  // Note, Reference, BibEntry, Code, Link, Annot, TOC, TOCI, Index,
  // NonStruct, Private, Ruby, RB, RT, RP, Warichu, WT, WP; "-" for a role
  // that maps to none of them.
  std::string role;
  std::string lang;    // its /Lang, or the nearest ancestor's; empty when none has one
  std::string alt;     // its /Alt
  std::string actual;  // its /ActualText
};

// What marked content a piece of text is. Artifacts are text that is not
// the document's own: page furniture, marked as such by the author.
enum class MarkKind : char {
  kContent = '-',     // of ELEMENT, or of none when ELEMENT is 0
  kArtifact = 'a',    // an artifact of no kind named below
  kHeader = 'h',      // a running header (/Pagination /Header)
  kFooter = 'f',      // a running footer (/Pagination /Footer)
  kPageNumber = 'n',  // a page number (/PageNum)
  kWatermark = 'w',   // a watermark
};

// From byte OFFSET of the page's run number RUN (from 0, in the order of
// the drawn text's page), the text belongs to ELEMENT (0 for none), up to
// the next piece. ORDER is the place of its marked-content sequence in the
// tree's depth-first order, among the sequences of the file's range (0
// with no element):
// the author's reading order of text, also where an element's own text
// and its children's (a link within a paragraph) take turns. A page's
// pieces come in the order of its runs; text before the first piece
// belongs to no element.
struct MarkedPiece {
  long run = 0;
  long offset = 0;
  long element = 0;
  long order = 0;
  MarkKind kind = MarkKind::kContent;
};

struct DrawnStructurePage {
  long page = 0;
  std::vector<DrawnElement> elements;
  std::vector<MarkedPiece> pieces;
};

struct DocumentTags {
  std::string lang;   // the catalogue's /Lang
  std::string title;  // the Info dictionary's /Title
};

inline constexpr char kStructureDocument = 'd';
inline constexpr char kStructurePageStart = 'p';
inline constexpr char kStructureElement = 's';
inline constexpr char kStructurePiece = 'm';
inline constexpr char kStructurePageEnd = 'e';

// Append the line, CR LF included.
void append_document_tags(std::string& out, const DocumentTags& document);
void append_drawn_element(std::string& out, const DrawnElement& element);
void append_marked_piece(std::string& out, const MarkedPiece& piece);
// A page's whole block, "p" to "e".
void append_structure_page(std::string& out, const DrawnStructurePage& page);

// Read a line (without its line end); false when it is not of that kind.
bool parse_document_tags(std::string_view line, DocumentTags* document);
bool parse_drawn_element(std::string_view line, DrawnElement* element);
bool parse_marked_piece(std::string_view line, MarkedPiece* piece);

// The document line of the file `path`; false when it has none (the
// renderer did not run or could not open the document).
bool read_document_tags(const std::string& path, DocumentTags* document);

// The element a byte of run `run` belongs to, by the page's pieces, and
// the kind of its marked content.
MarkedPiece piece_at(const DrawnStructurePage& page, long run, long offset);

// Reads the pages of the files of consecutive page ranges.
class DrawnStructureReader {
 public:
  // `files` hold the pages in ascending order, each file a range of them.
  explicit DrawnStructureReader(std::vector<std::string> files) : lines_(std::move(files)) {}

  // The structure of `page`; false when no file holds the page whole (the
  // document is untagged, or the renderer did not reach the page or was
  // ended within it). Pages are asked for in ascending order.
  bool page_of(long page, DrawnStructurePage* structure);

 private:
  FileSeriesLines lines_;
};

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_DRAWN_STRUCTURE_H_
