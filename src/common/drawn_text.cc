#include "common/drawn_text.h"

#include "common/number_fields.h"

namespace lexiweb {

void append_drawn_run(std::string& out, const DrawnRun& run) {
  out += kDrawnRun;
  out += ' ';
  append_number_field(out, run.top);
  append_number_field(out, run.base);
  append_number_field(out, run.left);
  append_number_field(out, run.right);
  out += run.visible ? "v " : "i ";
  out += run.text;
  out += "\r\n";
}

bool parse_drawn_run(std::string_view line, DrawnRun* run) {
  if (line.size() < 2 || line[0] != kDrawnRun || line[1] != ' ') return false;
  line.remove_prefix(2);
  if (!take_number_field(line, &run->top) || !take_number_field(line, &run->base) ||
      !take_number_field(line, &run->left) || !take_number_field(line, &run->right)) {
    return false;
  }
  if (line.size() < 2 || (line[0] != 'v' && line[0] != 'i') || line[1] != ' ') return false;
  run->visible = line[0] == 'v';
  run->text.assign(line.substr(2));
  return true;
}

}  // namespace lexiweb
