// The fixed parameters of a run: language, word rules, index page size,
// the label table of the generated pages and the addresses shown to the user.
#ifndef LEXIWEB_COMMON_RUN_PARAMETERS_H_
#define LEXIWEB_COMMON_RUN_PARAMETERS_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace lexiweb {

inline constexpr int ui_language = 3;  // row of label_table in force: English
inline constexpr int min_word_length = 3;
inline constexpr int context_words = 12;
// A context longer than this that begins before its oldest word's own
// occurrence is cut to begin at that occurrence (see WordCutter).
inline constexpr size_t long_context_bytes = 1000;
inline constexpr int entries_per_index_page = 1200;

// Label numbers (columns of label_table).
enum Label {
  kLanguageTag = 1,
  kLanguageName = 2,
  kContentsLabel = 3,
  kPrevLabel = 4,
  kNextLabel = 5,
  kIndexLabel = 6,
  kInstructionLabel = 7,
  kWordLabel = 8,
  kSearchLabel = 9,
};

inline constexpr int kLanguageRows = 20;
inline constexpr int kLabelColumns = 11;

// Rows 3 (English) and 17 (Slovenian) are filled, every other cell is empty.
const std::string& label_table(int language, int label);

// Label `label` of the language in force.
inline const std::string& label(int label) { return label_table(ui_language, label); }

inline constexpr std::string_view source_name = "lexiweb_04_318.bas";

// source_name lower-cased with its "bas" ending replaced by "exe".
std::string program_name();

// Addresses shown on the console and written into the generated pages. Each
// is chosen once here so that every screen and page names the same place.
inline constexpr std::string_view converter_home_address = "https://poppler.freedesktop.org/";
inline constexpr std::string_view program_info_address = "https://lexiweb.example.org/";
inline constexpr std::string_view details_address = "https://lexiweb.example.org/details.html";
inline constexpr std::string_view promotion_address_1 = "https://lexiweb.example.org/";
inline constexpr std::string_view promotion_address_2 = "https://lexiweb.example.org/programs.html";
inline constexpr std::string_view example_target_site = "www.example.com";
inline constexpr std::string_view search_host = "www.google.com";

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_RUN_PARAMETERS_H_
