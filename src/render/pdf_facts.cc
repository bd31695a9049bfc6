// Reads the Title and /Lang through poppler's library, as the background
// renderer opens the document.
#include "render/pdf_facts.h"

#include <GlobalParams.h>
#include <Object.h>
#include <PDFDoc.h>
#include <UTF.h>
#include <XRef.h>
#include <goo/GooString.h>

#include <memory>

#include "common/complete_file.h"
#include "common/document_facts.h"
#include "common/exit_statuses.h"

namespace lexiweb {

namespace {

void append_utf8(std::string& text, Unicode code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x110000) {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A PDF text string (UTF-16 with its byte order mark, or PDFDocEncoding) in UTF-8.
std::string text_string_in_utf8(const GooString& string) {
  Unicode* codes = nullptr;
  const int count = TextStringToUCS4(string.toStr(), &codes);
  std::string text;
  for (int i = 0; i < count; ++i) append_utf8(text, codes[i]);
  gfree(codes);
  return text;
}

}  // namespace

int write_pdf_facts(const std::string& pdf_file, const std::string& output) {
  if (!globalParams) {
    globalParams = std::make_unique<GlobalParams>();
    globalParams->setErrQuiet(true);
  }
  PDFDoc document(std::make_unique<GooString>(pdf_file));
  if (!document.isOk()) return kCannotOpenPdf;

  DocumentFacts facts;
  if (std::unique_ptr<GooString> title = document.getDocInfoTitle()) {
    facts.title = text_string_in_utf8(*title);
  }
  Object catalogue = document.getXRef()->getCatalog();
  if (catalogue.isDict()) {
    Object language = catalogue.dictLookup("Lang");
    if (language.isString()) facts.language = text_string_in_utf8(*language.getString());
  }
  if (!write_complete_file(output, format_document_facts(facts))) return kCannotWriteOutput;
  return 0;
}

}  // namespace lexiweb
