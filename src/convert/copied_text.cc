#include "convert/copied_text.h"

#include "typeset/font_folder.h"

namespace lexiweb {

void add_copy_script(std::string& page_html) {
  add_font_folder_script_at_end(page_html, kCopyScriptFile);
}

void write_copy_script(const std::string& folder) {
  write_into_font_folder(folder, kCopyScriptFile, kCopyScript);
}

}  // namespace lexiweb
