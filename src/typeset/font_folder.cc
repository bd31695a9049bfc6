#include "typeset/font_folder.h"

#include "shell/file_ops.h"

namespace lexiweb {

std::string font_folder_script(std::string_view name) {
  return "<script src=\"" + std::string(kFontFolder) + "/" + std::string(name) +
         "\" defer></script>\n";
}

void write_into_font_folder(const std::string& pages_folder, std::string_view name,
                            std::string_view bytes) {
  const std::string folder = pages_folder + "/" + kFontFolder;
  if (!folder_exists(folder)) make_folder(folder);
  write_whole_file(folder + "/" + std::string(name), bytes);
}

}  // namespace lexiweb
