#include "typeset/font_folder.h"

#include "shell/file_ops.h"

namespace lexiweb {

std::string font_folder_script(std::string_view name) {
  return "<script src=\"" + std::string(kFontFolder) + "/" + std::string(name) +
         "\" defer></script>\n";
}

void add_font_folder_script_at_end(std::string& page_html, std::string_view name) {
  size_t at = page_html.rfind("</body>");
  if (at == std::string::npos) at = page_html.rfind("</html>");
  if (at == std::string::npos) at = page_html.size();
  page_html.insert(at, font_folder_script(name));
}

void write_into_font_folder(const std::string& pages_folder, std::string_view name,
                            std::string_view bytes) {
  const std::string folder = pages_folder + "/" + kFontFolder;
  if (!folder_exists(folder)) make_folder(folder);
  write_whole_file(folder + "/" + std::string(name), bytes);
}

}  // namespace lexiweb
