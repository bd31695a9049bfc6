#include "convert/search_field.h"

#include "typeset/font_folder.h"

namespace lexiweb {

void add_search_field(std::string& page_html) {
  add_font_folder_script_at_end(page_html, kSearchScriptFile);
}

void write_search_script(const std::string& folder) {
  write_into_font_folder(folder, kSearchScriptFile, kSearchScript);
}

}  // namespace lexiweb
