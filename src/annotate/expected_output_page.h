// The expected bytes of output pages for the tests, spelled out piece by
// piece: head with highlight script, span markup, navigation bar.
#ifndef LEXIWEB_ANNOTATE_EXPECTED_OUTPUT_PAGE_H_
#define LEXIWEB_ANNOTATE_EXPECTED_OUTPUT_PAGE_H_

#include <string>

namespace lexiweb::testing {

// The two script blocks of one occurrence of the page.
inline std::string expected_rule(const std::string& occurrence_id, const std::string& word_number) {
  return "if (wrd_ndx.substring(1,wrd_leng) == \"" + occurrence_id + "\")\n{\r\n" +
         "document.writeln(\".c" + word_number + " { color: red } \");\n}\n\r\n";
}

inline std::string expected_head(const std::string& page_file, const std::string& rules) {
  return "<HTML><head> <meta http-equiv=\"content-type\"  content=\"text/HTML; "
         "charset=utf-8\">\r\n"
         "<title>\r\n" +
         page_file +
         "\r\n"
         "</title>\r\n"
         "<script language=\"javascript\">\r\n"
         "if (history.length > 0)\n{\nwrd_ndx = String(self.location.hash);\n\r\n"
         "wrd_leng = wrd_ndx.length;\nwrd_id = wrd_ndx.substring(0,2);\n\r\n"
         "wrd_random = wrd_ndx.substring(2,wrd_leng);\n\r\n"
         "if (wrd_id == \"#i\" && (isNaN(wrd_random) == false))\n{\n\r\n"
         "document.writeln(\"<style type=\\\"text/css\\\">\");\n\r\n" +
         rules +
         "document.writeln(self.location.hash + \" { color: red } \");\n"
         "document.writeln(\"span  { color: black } \");\n"
         "document.writeln(\"</style>\");\n}\n}\n\r\n"
         "</script>\n\r\n"
         "</head>\r\n"
         "<body>\r\n";
}

inline std::string expected_span(const std::string& word_number, const std::string& index_stem,
                                 const std::string& occurrence_id) {
  return "<span  id = \"" + occurrence_id + "\" class=\"c" + word_number +
         "\" type = \"text/javascript\" ondblclick = \"window.open('" + index_stem + ".htm#" +
         occurrence_id + "'); window.event.cancelbubble = true;\" >";
}

// The navigation bar and closing line; an empty previous or next page leaves
// its link out.
inline std::string expected_navigation(const std::string& contents, const std::string& previous,
                                       const std::string& next, const std::string& about,
                                       const std::string& all_words) {
  std::string links;
  if (!previous.empty()) links += "<a href = \"" + previous + "\">prev</a>&nbsp ";
  if (!next.empty()) links += "<a href = \"" + next + "\">next</a>&nbsp ";
  links += "<a href = \"" + about + "\">search</a>&nbsp ";
  links += "<a href = \"" + all_words + "\">index</a>&nbsp ";
  return "<div style=\"position:fixed; bottom:0;\">\r\n"
         "<a href = \"" +
         contents + "\">Contents</a>&nbsp \r\n" + links + "\r\n</body></HTML>\r\n";
}

}  // namespace lexiweb::testing

#endif  // LEXIWEB_ANNOTATE_EXPECTED_OUTPUT_PAGE_H_
