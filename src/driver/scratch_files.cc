#include "driver/scratch_files.h"

#include <array>
#include <string>

#include "common/text.h"
#include "shell/file_ops.h"
#include "shell/scratch_catalogue.h"

namespace lexiweb {

namespace {

constexpr std::array<std::string_view, 24> kFixedNames = {
    kFolderCheckFile,
    kSortedFolderCheckFile,
    kPdfListingFile,
    kInputFoldersFile,
    kStagingFoldersFile,
    kCopyJournalFile,
    kSortCutFile,
    kTagRecordsFile,
    kMergedTagsFile,
    kWordsFile,
    kSortedWordsFile,
    kOccurrencesFile,
    kOccurrencesByPageFile,
    kPlacedOccurrencesFile,
    kPlacedOccurrencesByWordFile,
    kAllWordsFile,
    kIndexPageListFile,
    kSortedIndexPagesFile,
    kIndexPagesFile,
    kSpanPlacesFile,
    kFrameRangesFile,
    kWordPartsFile,
    kSearchWordsFile,
    kSortedSearchWordsFile,
};

bool all_digits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

void delete_where(bool (*selected)(std::string_view)) {
  for (const std::string& name : matching_files("", "*")) {
    if (selected(name)) delete_file(name);
  }
}

}  // namespace

bool is_numbered(std::string_view name, std::string_view prefix, std::string_view suffix,
                 size_t digit_count) {
  if (name.size() <= prefix.size() + suffix.size()) return false;
  if (!starts_with_ignoring_case(name, prefix)) return false;
  if (to_lower_ascii(name.substr(name.size() - suffix.size())) != suffix) return false;
  std::string_view digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  return all_digits(digits) && (digit_count == 0 || digits.size() == digit_count);
}

bool is_stamped_file(std::string_view name) {
  constexpr std::string_view shape = kStampedShape;
  if (name.size() != shape.size()) return false;
  for (size_t i = 0; i < shape.size(); ++i) {
    bool ok = shape[i] == 'd' ? (name[i] >= '0' && name[i] <= '9')
                              : to_lower_ascii(name.substr(i, 1))[0] == shape[i];
    if (!ok) return false;
  }
  return true;
}

bool is_staged_page(std::string_view name) {
  return is_numbered(name, kStagedPagePrefix, kStagedPageSuffix);
}

bool is_scratch_file(std::string_view name) {
  std::string lower = to_lower_ascii(name);
  for (std::string_view fixed : kFixedNames) {
    if (lower == fixed) return true;
  }
  return is_stamped_file(name) || is_staged_page(name) ||
         is_numbered(name, kSortRunPrefix, kSortRunSuffix);
}

void delete_scratch_files() { delete_where(is_scratch_file); }
void delete_stamped_files() { delete_where(is_stamped_file); }
void delete_staged_pages() { delete_where(is_staged_page); }

}  // namespace lexiweb
