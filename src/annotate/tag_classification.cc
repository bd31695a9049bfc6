// Runs the frame removal steps over the files in order.
#include "annotate/tag_classification.h"

#include "common/text.h"
#include "shell/external_sort.h"
#include "shell/file_ops.h"

namespace lexiweb {

std::string page_text_file(std::string_view page) {
  std::string name = "htm_03_";
  name += trim_blanks(page);
  name += ".txt";
  return name;
}

void classify_tags() {
  write_tag_class_table();
  write_frame_boundaries();
  write_deletion_positions();
  sort_lines("tag_6.txt", "tag_7.txt", 1);
  remove_repeated_positions();
  // htm_03.txt ends as the page text; the deletion pass reads htm_02.txt
  // itself rather than a copy of it in htm_03.txt, which this overwrites.
  remove_frame_characters();
  copy_file("htm_04.txt", "htm_03.txt");
}

}  // namespace lexiweb
