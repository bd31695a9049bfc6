// Writes the output page head. The script blocks carry line feeds of their
// own inside the line; every block ends with CR LF.
#include "annotate/page_head.h"

#include <string>

#include "common/page_heads.h"
#include "common/text.h"
#include "shell/record_writer.h"

namespace lexiweb {

namespace {

constexpr std::string_view kHeadOpening =
    "<head> <meta http-equiv=\"content-type\"  content=\"text/HTML; charset=utf-8\">";

// The way in (common/page_heads.h), and the note that says how a word
// opens its entries, shown beside the skip link when that has the focus and
// read out as the main part's description.
constexpr std::string_view kNoteStyle =
    ".lexiweb-keys{position:fixed;left:0;top:2.6em;z-index:2147483647;box-sizing:border-box;"
    "max-width:min(30em,100vw);margin:0;padding:4px 12px;background:#fff;color:#000;"
    "font:14px/1.4 sans-serif;"
    "clip-path:inset(50%);pointer-events:none}"
    ".lexiweb-keys::before{content:attr(data-text)}"
    ".lexiweb-skip:focus~main .lexiweb-keys{clip-path:none}";

// What opens a word's entries without a mouse (fonts/word_keys.js).
constexpr std::string_view kWordKeysScriptElement =
    "<script src=\"fonts/word_keys.js\" defer></script>";

constexpr std::string_view kMainOpening =
    "<main id=\"lexiweb-main\" aria-describedby=\"lexiweb-keys\" aria-keyshortcuts=\"Enter\">";
constexpr std::string_view kNote =
    "<p id=\"lexiweb-keys\" class=\"lexiweb-keys\" lang=\"en\" data-text=\"Double-click or "
    "double-tap a word, or select it and press Enter, to open its entries in the word index. "
    "Key / finds a word.\"></p>";

constexpr std::string_view kScriptOpening = "<script language=\"javascript\">";

// Reads the hash into wrd_id ("#i" for an occurrence) and wrd_random (the
// number after it), and opens the style element only for such a hash.
constexpr std::string_view kScriptStart[] = {
    "if (history.length > 0)\n{\nwrd_ndx = String(self.location.hash);\n",
    "wrd_leng = wrd_ndx.length;\nwrd_id = wrd_ndx.substring(0,2);\n",
    "wrd_random = wrd_ndx.substring(2,wrd_leng);\n",
    "if (wrd_id == \"#i\" && (isNaN(wrd_random) == false))\n{\n",
    "document.writeln(\"<style type=\\\"text/css\\\">\");\n",
};

// The named occurrence red, then the style element and both script blocks
// closed. Only the word turns red, and all of it: the converter's pages draw
// text in the document's own colours (white on a dark slide), and the fitting
// script wraps pieces of a word's text in spans of its own.
constexpr std::string_view kScriptEnd =
    "document.writeln(self.location.hash + \", \" + self.location.hash + \" * { color: red } \");\n"
    "document.writeln(\"</style>\");\n"
    "}\n"
    "}\n";

constexpr std::string_view kScriptClosing = "</script>\n";

// The two blocks that colour the word of one occurrence red when the hash
// names that occurrence.
void write_occurrence_rule(RecordWriter& out, const OccurrenceRule& rule, std::string& block) {
  block.assign("if (wrd_ndx.substring(1,wrd_leng) == \"");
  block += rule.occurrence_id;
  block += "\")\n{";
  out.write_line(block);

  const std::string_view word_number = trim_leading_blanks(rule.word_number);
  block.assign("document.writeln(\".c");
  block += word_number;
  block += ", .c";
  block += word_number;
  block += " * { color: red } \");\n}\n";
  out.write_line(block);
}

}  // namespace

void write_page_head(RecordWriter& out, const PageHeading& heading,
                     const std::vector<OccurrenceRule>& rules) {
  std::string line = html_opening(heading.language);
  line += kHeadOpening;
  out.write_line(line);
  out.write_line(kViewportLine);
  out.write_line("<title>");
  out.write_line(heading.title);
  out.write_line("</title>");
  line.assign("<style>");
  line += kWayInStyle;
  line += kNoteStyle;
  line += "</style>";
  out.write_line(line);
  out.write_line(kWordKeysScriptElement);
  out.write_line(kScriptOpening);
  for (std::string_view block : kScriptStart) out.write_line(block);
  std::string block;
  for (const OccurrenceRule& rule : rules) write_occurrence_rule(out, rule, block);
  out.write_line(kScriptEnd);
  out.write_line(kScriptClosing);
  out.write_line("</head>");
  out.write_line("<body>");
  out.write_line(kSkipLink);
  out.write_line(kMainOpening);
  out.write_line(kNote);
}

}  // namespace lexiweb
