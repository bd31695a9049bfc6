// Writes PDF files object by object: catalog, page tree, one font, per page a
// page object and its content stream, then the images, the link annotations
// and the outline; the cross-reference table records the byte offset of every object.
#include "tools/pdf_writer.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace lexiweb::testing {
namespace {

constexpr int kCatalogObject = 1;
constexpr int kPageTreeObject = 2;
constexpr int kFontObject = 3;
constexpr int kFirstPageObject = 4;

int page_object(int page_index) { return kFirstPageObject + 2 * page_index; }
int content_object(int page_index) { return kFirstPageObject + 2 * page_index + 1; }

std::string number_text(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

// WinAnsiEncoding places these characters in 0x80-0x9F; 0xA0-0xFF equal Latin-1.
int win_ansi_byte(char32_t code_point) {
  if (code_point >= 0x20 && code_point < 0x7F) return static_cast<int>(code_point);
  if (code_point >= 0xA0 && code_point <= 0xFF) return static_cast<int>(code_point);
  static constexpr struct {
    char32_t code_point;
    int byte;
  } kSpecials[] = {{0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
                   {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
                   {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
                   {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
                   {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
                   {0x017E, 0x9E}, {0x0178, 0x9F}};
  for (const auto& special : kSpecials) {
    if (special.code_point == code_point) return special.byte;
  }
  return '?';
}

// Decodes UTF-8; a malformed byte stands for itself as Latin-1.
std::vector<char32_t> code_points(const std::string& utf8) {
  std::vector<char32_t> result;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char lead = utf8[i];
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > utf8.size()) {
      result.push_back(lead);
      ++i;
      continue;
    }
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      unsigned char next = utf8[i + k];
      if ((next & 0xC0) != 0x80) valid = false;
      value = (value << 6) | (next & 0x3F);
    }
    if (!valid) {
      result.push_back(lead);
      ++i;
      continue;
    }
    result.push_back(value);
    i += length;
  }
  return result;
}

// A PDF literal string: ( ) and \ escaped, bytes outside printable ASCII as octal.
std::string pdf_string(const std::string& utf8, bool encode_win_ansi) {
  std::string result = "(";
  auto append_byte = [&result](int byte) {
    if (byte == '(' || byte == ')' || byte == '\\') {
      result += '\\';
      result += static_cast<char>(byte);
    } else if (byte < 0x20 || byte > 0x7E) {
      char octal[8];
      std::snprintf(octal, sizeof octal, "\\%03o", byte);
      result += octal;
    } else {
      result += static_cast<char>(byte);
    }
  };
  if (encode_win_ansi) {
    for (char32_t code_point : code_points(utf8)) append_byte(win_ansi_byte(code_point));
  } else {
    for (unsigned char byte : utf8) append_byte(byte);
  }
  return result + ")";
}

bool has_image(const PdfPage& page) { return page.image.width > 0 && page.image.height > 0; }

// The page's width and height in points.
std::pair<double, double> page_size(const PdfPage& page) {
  if (!has_image(page)) return {kPdfPageWidth, kPdfPageHeight};
  return {page.image.width * 72 / page.image.dpi, page.image.height * 72 / page.image.dpi};
}

std::string image_object(const PdfImage& image) {
  if (image.gray.size() != static_cast<size_t>(image.width) * image.height) {
    throw std::invalid_argument("PDF image whose pixels do not fill it");
  }
  uLongf size = compressBound(image.gray.size());
  std::string compressed(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size,
                reinterpret_cast<const Bytef*>(image.gray.data()), image.gray.size(),
                Z_DEFAULT_COMPRESSION) != Z_OK) {
    throw std::runtime_error("zlib cannot compress a PDF image");
  }
  compressed.resize(size);
  return "<< /Type /XObject /Subtype /Image /Width " + std::to_string(image.width) + " /Height " +
         std::to_string(image.height) +
         " /ColorSpace /DeviceGray /BitsPerComponent 8 /Filter /FlateDecode /Length " +
         std::to_string(compressed.size()) + " >>\nstream\n" + compressed + "\nendstream";
}

std::string content_stream(const PdfPage& page) {
  std::string picture;
  if (has_image(page)) {
    const auto [width, height] = page_size(page);
    picture = "q\n" + number_text(width) + " 0 0 " + number_text(height) + " 0 0 cm\n/Im1 Do\nQ\n";
    if (page.lines.empty()) return picture;
  }
  // The drawing keeps its graphics state to itself.
  const std::string drawing = page.drawing.empty() ? "" : "q\n" + page.drawing + "\nQ\n";
  std::string text = picture + drawing + "BT\n/F1 " + number_text(kPdfFontSize) + " Tf\n" +
                     number_text(kPdfLineHeight) + " TL\n" +
                     (page.word_spacing != 0 ? number_text(page.word_spacing) + " Tw\n" : "") +
                     (page.invisible_text ? "3 Tr\n" : "");
  if (page.rotation == 90) {
    // Shown turned, the page's top edge is its user space's left edge.
    for (size_t line = 0; line < page.lines.size(); ++line) {
      const double baseline = kPdfPageHeight - kPdfFirstBaseline + line * kPdfLineHeight;
      text += "0 1 -1 0 " + number_text(baseline) + " " + number_text(kPdfLeftMargin) + " Tm\n" +
              pdf_string(page.lines[line], true) + " Tj\n";
    }
    return text + "ET\n";
  }
  text += number_text(kPdfLeftMargin) + " " + number_text(kPdfFirstBaseline) + " Td\n";
  bool first = true;
  for (const std::string& line : page.lines) {
    if (!first) text += "T*\n";
    first = false;
    text += pdf_string(line, true) + " Tj\n";
  }
  return text + "ET\n";
}

std::string destination(int target_page, int page_count) {
  if (target_page < 1 || target_page > page_count) {
    throw std::invalid_argument("PDF link to a page that does not exist");
  }
  return "[" + std::to_string(page_object(target_page - 1)) + " 0 R /XYZ 0 " +
         number_text(kPdfPageHeight) + " 0]";
}

// Appends the entries of one outline level, and below each its children,
// to `objects`, each entry pointing to `parent`; returns the object numbers
// of the level's first and last entries.
std::pair<int, int> append_outline_level(const std::vector<PdfOutlineEntry>& entries, int parent,
                                         int page_count, std::vector<std::string>& objects) {
  const int first = static_cast<int>(objects.size());
  const int last = first + static_cast<int>(entries.size()) - 1;
  objects.resize(objects.size() + entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const int number = first + static_cast<int>(i);
    std::string entry = "<< /Title " + pdf_string(entries[i].title, true) + " /Parent " +
                        std::to_string(parent) + " 0 R";
    if (number > first) entry += " /Prev " + std::to_string(number - 1) + " 0 R";
    if (number < last) entry += " /Next " + std::to_string(number + 1) + " 0 R";
    if (!entries[i].children.empty()) {
      auto [first_child, last_child] =
          append_outline_level(entries[i].children, number, page_count, objects);
      entry += " /First " + std::to_string(first_child) + " 0 R /Last " +
               std::to_string(last_child) + " 0 R /Count " +
               std::to_string(entries[i].children.size());
    }
    entry += " /Dest " + destination(entries[i].target_page, page_count) + " >>";
    objects[number] = entry;
  }
  return {first, last};
}

// Appends the outline root and its entries to `objects`; returns the root's
// object number.
int append_outline(const std::vector<PdfOutlineEntry>& outline, int page_count,
                   std::vector<std::string>& objects) {
  const int root = static_cast<int>(objects.size());
  objects.emplace_back();
  auto [first, last] = append_outline_level(outline, root, page_count, objects);
  objects[root] = "<< /Type /Outlines /First " + std::to_string(first) + " 0 R /Last " +
                  std::to_string(last) + " 0 R /Count " + std::to_string(outline.size()) + " >>";
  return root;
}

std::string annotation(const PdfLink& link, int page_count) {
  std::string rect = "[" + number_text(link.x) + " " + number_text(link.y) + " " +
                     number_text(link.x + link.width) + " " + number_text(link.y + link.height) +
                     "]";
  std::string result = "<< /Type /Annot /Subtype /Link /Rect " + rect + " /Border [0 0 0] ";
  if (!link.uri.empty()) {
    result += "/A << /S /URI /URI " + pdf_string(link.uri, false) + " >>";
  } else {
    if (link.form == PdfLinkForm::kGoToAction) {
      result += "/A << /S /GoTo /D " + destination(link.target_page, page_count) + " >>";
    } else {
      result += "/Dest " + destination(link.target_page, page_count);
    }
  }
  return result + " >>";
}

// The widths and descriptor of a font of the test's own, the descriptor
// added to `objects`; nothing for a base font as readers know it.
std::string font_metrics(const PdfTextFont& font, std::vector<std::string>& objects) {
  std::string metrics;
  if (font.width > 0) {
    metrics += " /FirstChar 32 /LastChar 255 /Widths [";
    for (int code = 32; code <= 255; ++code) {
      metrics += (code == 32 ? "" : " ") + std::to_string(font.width);
    }
    metrics += "]";
  }
  if (font.flags != 0) {
    objects.push_back("<< /Type /FontDescriptor /FontName /" + font.name + " /Flags " +
                      std::to_string(font.flags) +
                      " /FontBBox [0 -200 1000 800] /ItalicAngle 0 /Ascent 800 /Descent -200"
                      " /CapHeight 700 /StemV 80 >>");
    metrics += " /FontDescriptor " + std::to_string(objects.size() - 1) + " 0 R";
  }
  return metrics;
}

// A PDF text string: literal when ASCII, else UTF-16BE with its byte order
// mark, in hex.
std::string pdf_text_string(const std::string& utf8) {
  bool ascii = true;
  for (unsigned char byte : utf8) ascii = ascii && byte >= 0x20 && byte < 0x7F;
  if (ascii) return pdf_string(utf8, false);
  std::string hex = "<FEFF";
  const auto append_unit = [&hex](unsigned unit) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", unit);
    hex += digits;
  };
  for (char32_t code : code_points(utf8)) {
    if (code >= 0x10000) {
      append_unit(0xD800 + ((code - 0x10000) >> 10));
      append_unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      append_unit(code);
    }
  }
  return hex + ">";
}

// The file of `objects` (objects[n] the body of object n, from 1), with
// `trailer` added to the trailer's dictionary.
std::string pdf_file(const std::vector<std::string>& objects, const std::string& trailer) {
  std::string pdf = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
  std::vector<size_t> offsets(objects.size(), 0);
  for (size_t n = 1; n < objects.size(); ++n) {
    offsets[n] = pdf.size();
    pdf += std::to_string(n) + " 0 obj\n" + objects[n] + "\nendobj\n";
  }
  const size_t xref_offset = pdf.size();
  pdf += "xref\n0 " + std::to_string(objects.size()) + "\n";
  pdf += "0000000000 65535 f \n";
  for (size_t n = 1; n < objects.size(); ++n) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offsets[n]);
    pdf += entry;
  }
  pdf += "trailer\n<< /Size " + std::to_string(objects.size()) + " /Root 1 0 R" + trailer +
         " >>\nstartxref\n" + std::to_string(xref_offset) + "\n%%EOF\n";
  return pdf;
}

// A marked-content sequence of a tagged page.
struct TaggedSequence {
  std::string tag;         // the BDC's tag
  std::string properties;  // its property list
  std::string content;     // what it draws
};

std::string text_object(const std::string& text, double x, double y, double size) {
  return "BT\n/F1 " + number_text(size) + " Tf\n1 0 0 1 " + number_text(x) + " " + number_text(y) +
         " Tm\n" + pdf_string(text, true) + " Tj\nET\n";
}

// The elements of the tree in depth-first order, each with the index of its
// parent in that order (-1 for the root's kids).
void flatten(const std::vector<PdfStructElement>& elements, int parent,
             std::vector<std::pair<const PdfStructElement*, int>>& flat) {
  for (const PdfStructElement& element : elements) {
    const int index = static_cast<int>(flat.size());
    flat.emplace_back(&element, parent);
    flatten(element.children, index, flat);
  }
}

void check_page(int page, int page_count) {
  if (page < 1 || page > page_count) {
    throw std::invalid_argument("tagged PDF content on a page that does not exist");
  }
}

}  // namespace

PdfPage text_page(std::vector<std::string> lines) {
  PdfPage page;
  page.lines = std::move(lines);
  return page;
}

PdfLink internal_link(int line_index, int target_page, PdfLinkForm form) {
  PdfLink link;
  link.target_page = target_page;
  link.form = form;
  link.y = kPdfFirstBaseline - line_index * kPdfLineHeight - 4;
  return link;
}

PdfLink external_link(int line_index, const std::string& uri) {
  PdfLink link;
  link.uri = uri;
  link.y = kPdfFirstBaseline - line_index * kPdfLineHeight - 4;
  return link;
}

std::string make_pdf(const std::vector<PdfPage>& pages, const std::vector<PdfOutlineEntry>& outline,
                     const PdfTextFont& font) {
  const int page_count = static_cast<int>(pages.size());
  // objects[n] is the body of object n; entry 0 is the free list head.
  std::vector<std::string> objects(page_object(page_count));
  objects[kCatalogObject] = "<< /Type /Catalog /Pages 2 0 R >>";
  std::string kids;
  for (int i = 0; i < page_count; ++i) {
    kids += (i == 0 ? "" : " ") + std::to_string(page_object(i)) + " 0 R";
  }
  objects[kPageTreeObject] =
      "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(page_count) + " >>";
  objects[kFontObject] = "<< /Type /Font /Subtype /Type1 /BaseFont /" + font.name +
                         " /Encoding /WinAnsiEncoding" + font_metrics(font, objects) + " >>";
  for (int i = 0; i < page_count; ++i) {
    std::string annotation_refs;
    for (const PdfLink& link : pages[i].links) {
      objects.push_back(annotation(link, page_count));
      annotation_refs +=
          (annotation_refs.empty() ? "" : " ") + std::to_string(objects.size() - 1) + " 0 R";
    }
    std::string images;
    if (has_image(pages[i])) {
      objects.push_back(image_object(pages[i].image));
      images = " /XObject << /Im1 " + std::to_string(objects.size() - 1) + " 0 R >>";
    }
    std::string font = std::to_string(kFontObject);
    if (!pages[i].font.empty()) {
      objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /" + pages[i].font +
                        " /Encoding /WinAnsiEncoding >>");
      font = std::to_string(objects.size() - 1);
    }
    const auto [width, height] = page_size(pages[i]);
    objects[page_object(i)] =
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number_text(width) + " " +
        number_text(height) + "]" +
        (pages[i].rotation != 0 ? " /Rotate " + std::to_string(pages[i].rotation) : "") +
        " /Resources << /Font << /F1 " + font + " 0 R >>" + images + " >> /Contents " +
        std::to_string(content_object(i)) + " 0 R" +
        (annotation_refs.empty() ? "" : " /Annots [" + annotation_refs + "]") + " >>";
    std::string stream = content_stream(pages[i]);
    objects[content_object(i)] =
        "<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream + "endstream";
  }
  if (!outline.empty()) {
    const int root = append_outline(outline, page_count, objects);
    objects[kCatalogObject] =
        "<< /Type /Catalog /Pages 2 0 R /Outlines " + std::to_string(root) + " 0 R >>";
  }

  std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<size_t> offsets(objects.size(), 0);
  for (size_t n = 1; n < objects.size(); ++n) {
    offsets[n] = pdf.size();
    pdf += std::to_string(n) + " 0 obj\n" + objects[n] + "\nendobj\n";
  }
  const size_t xref_offset = pdf.size();
  pdf += "xref\n0 " + std::to_string(objects.size()) + "\n";
  pdf += "0000000000 65535 f \n";
  for (size_t n = 1; n < objects.size(); ++n) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offsets[n]);
    pdf += entry;
  }
  pdf += "trailer\n<< /Size " + std::to_string(objects.size()) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref_offset) + "\n%%EOF\n";
  return pdf;
}

void write_pdf(const std::filesystem::path& path, const std::vector<PdfPage>& pages,
               const std::vector<PdfOutlineEntry>& outline, const PdfTextFont& font) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << make_pdf(pages, outline, font);
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string with_language_and_title(const std::string& pdf, const std::string& language,
                                    const std::string& title) {
  // The catalogue's entries as make_pdf wrote them, and the trailer's size
  // and cross-reference offset.
  const size_t catalogue = pdf.find("\n1 0 obj\n<<");
  const size_t catalogue_end = pdf.find(">>\nendobj", catalogue);
  const size_t size_at = pdf.rfind("/Size ");
  const size_t xref_at = pdf.rfind("startxref\n");
  if (catalogue == std::string::npos || catalogue_end == std::string::npos ||
      size_at == std::string::npos || xref_at == std::string::npos) {
    throw std::runtime_error("with_language_and_title: not a PDF of make_pdf");
  }
  const std::string entries = pdf.substr(catalogue + 11, catalogue_end - catalogue - 11);
  const int size = std::stoi(pdf.substr(size_at + 6));
  const size_t xref_start = xref_at + 10;
  const std::string previous_xref = pdf.substr(xref_start, pdf.find('\n', xref_start) - xref_start);

  std::string update = pdf;
  const size_t catalogue_offset = update.size();
  update += "1 0 obj\n<<" + entries;
  if (!language.empty()) update += " /Lang (" + language + ")";
  update += " >>\nendobj\n";
  const size_t info_offset = update.size();
  update += std::to_string(size) + " 0 obj\n<<";
  if (!title.empty()) update += " /Title " + pdf_text_string(title);
  update += " >>\nendobj\n";
  const size_t xref_offset = update.size();
  char entry[32];
  update += "xref\n1 1\n";
  std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", catalogue_offset);
  update += entry;
  update += std::to_string(size) + " 1\n";
  std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", info_offset);
  update += entry;
  update += "trailer\n<< /Size " + std::to_string(size + 1) + " /Root 1 0 R /Info " +
            std::to_string(size) + " 0 R /Prev " + previous_xref + " >>\nstartxref\n" +
            std::to_string(xref_offset) + "\n%%EOF\n";
  return update;
}

std::string make_tagged_pdf(const PdfTaggedDocument& document) {
  const int page_count = document.page_count;
  std::vector<std::string> objects(page_object(page_count));
  objects[kFontObject] =
      "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica"
      " /Encoding /WinAnsiEncoding >>";
  std::vector<std::pair<const PdfStructElement*, int>> flat;
  flatten(document.elements, -1, flat);
  const int first_element = static_cast<int>(objects.size());
  objects.resize(objects.size() + flat.size());
  const int tree_root = static_cast<int>(objects.size());
  objects.emplace_back();
  const auto element_ref = [first_element](int index) {
    return std::to_string(first_element + index) + " 0 R";
  };

  // Each page's sequences in the tree's order; a sequence's MCID is its
  // place in its page's list, and the parent tree lists each one's element.
  std::vector<std::vector<TaggedSequence>> sequences(page_count);
  std::vector<std::vector<int>> owners(page_count);
  for (size_t i = 0; i < flat.size(); ++i) {
    const PdfStructElement& element = *flat[i].first;
    check_page(element.page, page_count);
    const auto add = [&](int page, std::string content) {
      check_page(page, page_count);
      const int mcid = static_cast<int>(sequences[page - 1].size());
      sequences[page - 1].push_back(
          {element.role, "<< /MCID " + std::to_string(mcid) + " >>", std::move(content)});
      owners[page - 1].push_back(static_cast<int>(i));
      if (page == element.page) return std::to_string(mcid);
      return "<< /Type /MCR /Pg " + std::to_string(page_object(page - 1)) + " 0 R /MCID " +
             std::to_string(mcid) + " >>";
    };
    std::string kids;
    for (const PdfTaggedText& line : element.lines) {
      kids += " " + add(line.page == 0 ? element.page : line.page,
                        text_object(line.text, line.x, line.y, line.size));
    }
    if (!element.drawing.empty())
      kids += " " + add(element.page, "q\n" + element.drawing + "\nQ\n");
    for (size_t k = i + 1; k < flat.size(); ++k) {
      if (flat[k].second == static_cast<int>(i)) kids += " " + element_ref(static_cast<int>(k));
    }
    for (const PdfTaggedText& line : element.lines_after) {
      kids += " " + add(line.page == 0 ? element.page : line.page,
                        text_object(line.text, line.x, line.y, line.size));
    }
    std::string body =
        "<< /Type /StructElem /S /" + element.role + " /P " +
        (flat[i].second < 0 ? std::to_string(tree_root) + " 0 R" : element_ref(flat[i].second)) +
        " /Pg " + std::to_string(page_object(element.page - 1)) + " 0 R /K [" + kids + " ]";
    if (!element.alt.empty()) body += " /Alt " + pdf_text_string(element.alt);
    if (!element.actual_text.empty())
      body += " /ActualText " + pdf_text_string(element.actual_text);
    if (!element.lang.empty()) body += " /Lang " + pdf_text_string(element.lang);
    if (element.column_span > 0 || element.row_span > 0) {
      body += " /A << /O /Table";
      if (element.column_span > 0) body += " /ColSpan " + std::to_string(element.column_span);
      if (element.row_span > 0) body += " /RowSpan " + std::to_string(element.row_span);
      body += " >>";
    }
    objects[first_element + i] = body + " >>";
  }

  std::string root_kids;
  std::string parent_tree;
  for (size_t i = 0; i < flat.size(); ++i) {
    if (flat[i].second < 0) root_kids += " " + element_ref(static_cast<int>(i));
  }
  std::string kids;
  for (int page = 0; page < page_count; ++page) {
    kids += (page == 0 ? "" : " ") + std::to_string(page_object(page)) + " 0 R";
    parent_tree += " " + std::to_string(page) + " [";
    for (int owner : owners[page]) parent_tree += " " + element_ref(owner);
    parent_tree += " ]";
    std::string stream;
    for (const PdfArtifact& artifact : document.artifacts) {
      check_page(artifact.page, page_count);
      if (artifact.page != page + 1) continue;
      stream +=
          "/Artifact <<" +
          (artifact.subtype.empty() ? "" : " /Type /Pagination /Subtype /" + artifact.subtype) +
          " >> BDC\n" + text_object(artifact.text, artifact.x, artifact.y, kPdfFontSize) + "EMC\n";
    }
    std::vector<TaggedSequence> drawn = sequences[page];
    if (document.drawn_in_reverse) std::reverse(drawn.begin(), drawn.end());
    for (const TaggedSequence& sequence : drawn) {
      stream +=
          "/" + sequence.tag + " " + sequence.properties + " BDC\n" + sequence.content + "EMC\n";
    }
    objects[page_object(page)] = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " +
                                 number_text(kPdfPageWidth) + " " + number_text(kPdfPageHeight) +
                                 "] /Resources << /Font << /F1 " + std::to_string(kFontObject) +
                                 " 0 R >> >> /Contents " + std::to_string(content_object(page)) +
                                 " 0 R /StructParents " + std::to_string(page) + " /Tabs /S >>";
    objects[content_object(page)] =
        "<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream + "endstream";
  }
  objects[kPageTreeObject] =
      "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(page_count) + " >>";
  std::string parent_tree_entry;
  if (document.parent_tree == PdfTaggedDocument::ParentTree::kFlat) {
    parent_tree_entry = " /ParentTree " + std::to_string(objects.size()) + " 0 R";
    objects.push_back("<< /Nums [" + parent_tree + " ] >>");
  } else if (document.parent_tree == PdfTaggedDocument::ParentTree::kLeafPerPage) {
    std::string leaves;
    for (int page = 0; page < page_count; ++page) {
      leaves += " " + std::to_string(objects.size()) + " 0 R";
      std::string refs;
      for (int owner : owners[page]) refs += " " + element_ref(owner);
      objects.push_back("<< /Limits [" + std::to_string(page) + " " + std::to_string(page) +
                        "] /Nums [" + std::to_string(page) + " [" + refs + " ] ] >>");
    }
    parent_tree_entry = " /ParentTree " + std::to_string(objects.size()) + " 0 R";
    objects.push_back("<< /Kids [" + leaves + " ] >>");
  }
  std::string role_map;
  for (const auto& [role, standard] : document.role_map) role_map += " /" + role + " /" + standard;
  objects[tree_root] = "<< /Type /StructTreeRoot /K [" + root_kids + " ]" + parent_tree_entry +
                       " /ParentTreeNextKey " + std::to_string(page_count) +
                       (role_map.empty() ? "" : " /RoleMap <<" + role_map + " >>") + " >>";

  std::string catalog =
      "<< /Type /Catalog /Pages 2 0 R /MarkInfo << /Marked true >>"
      " /StructTreeRoot " +
      std::to_string(tree_root) + " 0 R";
  if (!document.lang.empty()) catalog += " /Lang " + pdf_text_string(document.lang);
  if (!document.outline.empty()) {
    catalog += " /Outlines " +
               std::to_string(append_outline(document.outline, page_count, objects)) + " 0 R";
  }
  objects[kCatalogObject] = catalog + " >>";
  std::string trailer;
  if (!document.title.empty()) {
    objects.push_back("<< /Title " + pdf_text_string(document.title) + " >>");
    trailer = " /Info " + std::to_string(objects.size() - 1) + " 0 R";
  }
  return pdf_file(objects, trailer);
}

void write_tagged_pdf(const std::filesystem::path& path, const PdfTaggedDocument& document) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << make_tagged_pdf(document);
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace lexiweb::testing
