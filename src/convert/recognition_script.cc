#include "convert/recognition_script.h"

#include "typeset/font_folder.h"

namespace lexiweb {

void write_recognition_script(const std::string& folder) {
  write_into_font_folder(folder, kRecognitionScriptFile, kRecognitionScript);
}

}  // namespace lexiweb
