#include "typeset/flow_view.h"

#include "typeset/font_folder.h"

namespace lexiweb {

void write_flow_view(const std::string& folder) {
  write_into_font_folder(folder, kFlowStyleFile, kFlowStyle);
  write_into_font_folder(folder, kFlowScriptFile, kFlowScript);
}

}  // namespace lexiweb
