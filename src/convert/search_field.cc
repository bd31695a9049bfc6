#include "convert/search_field.h"

#include "typeset/font_folder.h"

namespace lexiweb {

void add_search_field(std::string& page_html) {
  // At the end, where no rule of the page's start (the style element, the
  // fitting script) depends on it; pdftohtml ends every page's body there.
  size_t at = page_html.rfind("</body>");
  if (at == std::string::npos) at = page_html.rfind("</html>");
  if (at == std::string::npos) at = page_html.size();
  page_html.insert(at, font_folder_script(kSearchScriptFile));
}

void write_search_script(const std::string& folder) {
  write_into_font_folder(folder, kSearchScriptFile, kSearchScript);
}

}  // namespace lexiweb
