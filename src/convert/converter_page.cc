// One pass over a converted page: the head is copied with its title emptied
// and its style element taken out, the style element is put back right after
// the body start tag, and the body is walked tag by tag so that references
// are replaced only in the text and link targets only in the a tags.
#include "convert/converter_page.h"

#include "common/identifiers.h"
#include "convert/link_address.h"
#include "common/visual_order.h"

namespace lexiweb {
namespace {

// pdftohtml writes every link start tag in exactly this form.
constexpr std::string_view kLinkStart = "<a href=\"";
constexpr std::string_view kLinkStartEnd = "\">";
// The start tag of a link that was refused: an anchor without a target.
constexpr std::string_view kPlainLinkStart = "<a>";

// The PDF shows its links as the text they cover, in that text's colour and
// without underline; the pointer and an outline while it is over them tell
// the reader that they lead somewhere. Only the fragments' links: the
// navigation bar's keep the browser's look.
constexpr std::string_view kLinkRules =
    "\tp a[href]{color:inherit;text-decoration:none;cursor:pointer}\n"
    "\tp a[href]:hover{outline:1px solid currentColor;outline-offset:1px}\n";

// Appends the style element with the link rules at the end of its rules.
void append_style(std::string_view style, std::string& out) {
  size_t rules_end = style.rfind("-->");
  if (rules_end == std::string_view::npos) rules_end = style.rfind("</style>");
  out.append(style.substr(0, rules_end));
  out.append(kLinkRules);
  out.append(style.substr(rules_end));
}

struct TextReference {
  std::string_view reference;
  char replacement;
};

// pdftohtml glues blanks with &#160; and writes the double quote as &#34;;
// the other forms are what other versions write for the same characters.
constexpr TextReference kTextReferences[] = {
    {"&#160;", ' '}, {"&nbsp;", ' '}, {"&#xA0;", ' '}, {"&#xa0;", ' '},  {"&#34;", '"'},
    {"&quot;", '"'}, {"&#x22;", '"'}, {"&#39;", '\''}, {"&apos;", '\''}, {"&#x27;", '\''},
};

// Appends a stretch of text with the references above replaced.
void append_text(std::string_view text, std::string& out) {
  size_t i = 0;
  while (i < text.size()) {
    size_t ampersand = text.find('&', i);
    if (ampersand == std::string_view::npos) {
      out.append(text.substr(i));
      return;
    }
    out.append(text.substr(i, ampersand - i));
    i = ampersand + 1;
    bool replaced = false;
    for (const TextReference& entry : kTextReferences) {
      if (text.substr(ampersand).starts_with(entry.reference)) {
        out += entry.replacement;
        i = ampersand + entry.reference.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += '&';
  }
}

// pdftohtml writes each text fragment as one p element.
constexpr std::string_view kFragmentStart = "<p ";
constexpr std::string_view kFragmentEnd = "</p>";
// A fragment read right to left says so, so that the browser sets its
// neutral characters (blanks, punctuation) where the PDF draws them.
constexpr std::string_view kRightToLeft = " dir=\"rtl\"";

// Appends body markup: tags whole, link targets rewritten, text through
// append_text, right-to-left text in logical order (see visual_order.h).
void append_body(std::string_view body, std::string& out) {
  FragmentDirection direction = FragmentDirection::kNoRightToLeft;
  size_t i = 0;
  while (i < body.size()) {
    size_t tag_start = body.find('<', i);
    if (tag_start == std::string_view::npos) {
      append_text(body.substr(i), out);
      return;
    }
    if (direction == FragmentDirection::kNoRightToLeft) {
      append_text(body.substr(i, tag_start - i), out);
    } else {
      std::string logical;
      append_logical_order(body.substr(i, tag_start - i), direction, logical);
      append_text(logical, out);
    }
    std::string_view rest = body.substr(tag_start);
    if (rest.starts_with(kFragmentStart)) {
      const size_t start_tag_end = rest.find('>');
      const size_t fragment_end = rest.find(kFragmentEnd);
      if (start_tag_end != std::string_view::npos && fragment_end != std::string_view::npos &&
          start_tag_end < fragment_end) {
        direction = fragment_direction(
            rest.substr(start_tag_end + 1, fragment_end - start_tag_end - 1));
        if (direction == FragmentDirection::kRightToLeft) {
          out.append(rest.substr(0, start_tag_end));
          out.append(kRightToLeft);
          out += '>';
          i = tag_start + start_tag_end + 1;
          continue;
        }
      }
    } else if (rest.starts_with(kFragmentEnd)) {
      direction = FragmentDirection::kNoRightToLeft;
    }
    if (rest.starts_with(kLinkStart)) {
      size_t target_end = rest.find(kLinkStartEnd, kLinkStart.size());
      if (target_end != std::string_view::npos) {
        const std::optional<std::string> target =
            link_target(rest.substr(kLinkStart.size(), target_end - kLinkStart.size()));
        if (target) {
          out.append(kLinkStart);
          out.append(*target);
          out.append(kLinkStartEnd);
        } else {
          out.append(kPlainLinkStart);
        }
        i = tag_start + target_end + kLinkStartEnd.size();
        continue;
      }
    }
    size_t tag_end = rest.find('>');
    if (tag_end == std::string_view::npos) {
      out.append(rest);
      return;
    }
    out.append(rest.substr(0, tag_end + 1));
    i = tag_start + tag_end + 1;
  }
}

// `position`, moved past a line feed that stands there.
size_t past_line_feed(std::string_view text, size_t position) {
  return position < text.size() && text[position] == '\n' ? position + 1 : position;
}

// Appends the head with the title's text left out.
void append_head(std::string_view head, std::string& out) {
  size_t title_start = head.find("<title>");
  size_t title_end =
      title_start == std::string_view::npos ? title_start : head.find("</title>", title_start);
  if (title_end == std::string_view::npos) {
    out.append(head);
    return;
  }
  out.append(head.substr(0, title_start + 7));
  out.append(head.substr(title_end));
}

// The page N of a link to "page-N.html" or "page-N.html#...", which is how
// pdftohtml writes a link to a page of the same document; 0 for any other link.
long same_document_page(std::string_view href) {
  href = href.substr(0, href.find('#'));
  if (!href.starts_with(kConverterPrefix)) return 0;
  href.remove_prefix(kConverterPrefix.size());
  if (!href.starts_with('-') || !href.ends_with(".html")) return 0;
  std::string_view digits = href.substr(1, href.size() - 1 - 5);
  if (digits.empty() || digits.size() > 9) return 0;
  long page = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    page = page * 10 + (c - '0');
  }
  return page;
}

}  // namespace

std::optional<std::string> link_target(std::string_view href) {
  if (!is_followable_link(href)) return std::nullopt;
  const long page = same_document_page(href);
  if (page > 0) return output_page_stem(page) + ".htm";
  std::string target;
  target.reserve(href.size());
  for (char c : href) {
    if (c == '"') {
      target += "%22";
    } else if (c == '<') {
      target += "%3C";
    } else if (c == '>') {
      target += "%3E";
    } else {
      target += c;
    }
  }
  return target;
}

std::string reshape_page(std::string_view raw) {
  std::string out;
  out.reserve(raw.size() + raw.size() / 8);
  size_t body_tag = raw.find("<body");
  size_t body_tag_end = body_tag == std::string_view::npos ? body_tag : raw.find('>', body_tag);
  if (body_tag_end == std::string_view::npos) {
    append_body(raw, out);
    return out;
  }
  size_t body_start = past_line_feed(raw, body_tag_end + 1);
  std::string_view head = raw.substr(0, body_start);

  // The style element, from its start tag through its end tag and line feed.
  std::string_view style;
  size_t style_start = head.find("<style");
  size_t style_end =
      style_start == std::string_view::npos ? style_start : head.find("</style>", style_start);
  if (style_end != std::string_view::npos) {
    style_end = past_line_feed(head, style_end + 8);
    style = head.substr(style_start, style_end - style_start);
    append_head(head.substr(0, style_start), out);
    append_head(head.substr(style_end), out);
  } else {
    append_head(head, out);
  }
  if (!style.empty()) append_style(style, out);
  append_body(raw.substr(body_start), out);
  return out;
}

}  // namespace lexiweb
