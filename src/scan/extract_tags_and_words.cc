// The tag and word stage: delimiter list, tag characters, style and script
// elements merged into single tags, then the text stream and its words.
#include "scan/extract_tags_and_words.h"

#include "scan/style_script_removal.h"
#include "scan/tag_separation.h"
#include "scan/text_stream.h"
#include "scan/word_extraction.h"

namespace lexiweb {

void extract_tags_and_words() {
  write_delimiter_list();
  write_tag_character_file();
  strip_style_script();
  merge_element_ranges();
  write_text_stream();
  write_word_records();
}

}  // namespace lexiweb
