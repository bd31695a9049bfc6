// The scratch files of a run, each named once: the file, the stage that
// writes it and the stages that read it, and the fields of its records.
// Every scratch file lives in the working folder; its records are lines of
// quoted fields ending in CR LF (record_writer.h), field 1 first. A sorted
// copy of a file holds the same records as the file it was sorted from.
//
// Page and position fields are right-aligned in 10 columns (page_field() of
// common/identifiers.h), so that a sort by text orders them as numbers.
#ifndef LEXIWEB_SHELL_SCRATCH_CATALOGUE_H_
#define LEXIWEB_SHELL_SCRATCH_CATALOGUE_H_

#include <string_view>

namespace lexiweb {

// ---- The stages' files, in the order the stages write them.

// The staged pages: copies of the converter's pages, w_ + page + .htm.
// Written by the driver's staging; read by the scan, span annotation, tag
// classification and page assembly; removed after the page assembly.
inline constexpr std::string_view kStagedPagePrefix = "w_";
inline constexpr std::string_view kStagedPageSuffix = ".htm";

// Tag records. Written by scan/tag_separation; read by
// scan/style_script_removal and annotate/tag_classification.
inline constexpr char kTagRecordsFile[] = "htm_el_2.txt";
namespace tag_record {
// Page, the positions of its "<" and ">", and up to 59 bytes of the text between.
enum Field { kPage = 1, kStart, kEnd, kText };
}  // namespace tag_record

// A range of a page's characters, from its start through its end position:
// the records of the merged tags and of the frame ranges.
namespace range_record {
enum Field { kPage = 1, kStart, kEnd };
}  // namespace range_record

// Tags with each style or script element merged into one, as range records.
// Written by scan/style_script_removal; read by scan/text_stream.
inline constexpr char kMergedTagsFile[] = "tag_4.txt";

// Word records in document order. Written by scan/word_extraction; sorted by
// scan/build_word_list into kSortedWordsFile (by key, then by word,
// case-blind), which scan/word_numbering reads.
inline constexpr char kWordsFile[] = "wrd_2.txt";
inline constexpr char kSortedWordsFile[] = "wrd_3.txt";
namespace word_record {
// The key is the word rule's (common/words.h: append_record_key, empty under
// the byte rule); the running number counts the words of the document; the
// context is the phrase around the word.
enum Field { kKey = 1, kWord, kPage, kPosition, kRunningNumber, kContext, kFieldCount = kContext };
// The number of `field` in the records of the rule in force: `keyed` under
// the reader's rule. The byte rule's records have no key field, as the byte
// rule's first version wrote them: the sort cuts lines at
// kLongestSortedLine (shell/external_sort.h), and even an empty key field
// would cut a long word three bytes sooner than that version did.
constexpr int field_number(Field field, bool keyed) { return keyed ? field : field - 1; }
}  // namespace word_record

// The words that the word extraction joined over a line end, one record each
// in document order. Written by scan/word_extraction; read by
// annotate/span_annotation, which wraps each of their two parts in a span.
inline constexpr char kWordPartsFile[] = "wrd_parts.txt";
namespace word_parts_record {
// Page and position of the first part, its length in bytes of the page
// without the hyphen, and the position and length of the second part on the
// same page.
enum Field { kPage = 1, kPosition, kFirstLength, kSecondPosition, kSecondLength };
}  // namespace word_parts_record

// Occurrence records in word order. Written by scan/word_numbering, which
// also reads it for the all-words list; sorted by scan/build_word_list into
// kOccurrencesByPageFile (by page and position), which scan/page_lists reads.
inline constexpr char kOccurrencesFile[] = "wrd_4.txt";
inline constexpr char kOccurrencesByPageFile[] = "wrd_5.txt";
namespace occurrence_record {
enum Field { kWordNumber = 1, kPage, kPosition, kIndexPageStem, kOccurrenceId };
// Then the word, its running number and its context, as the word record has them.
enum WordField { kWord = kOccurrenceId + 1, kRunningNumber, kContext, kFieldCount = kContext };
}  // namespace occurrence_record

// Occurrence records with their output page stem, in document order.
// Written by scan/page_lists; read by annotate/span_annotation and
// annotate/page_assembly; sorted by scan/build_word_list into
// kPlacedOccurrencesByWordFile (by word number), which wordindex reads.
inline constexpr char kPlacedOccurrencesFile[] = "wrd_6.txt";
inline constexpr char kPlacedOccurrencesByWordFile[] = "wrd_7.txt";
namespace placed_occurrence_record {
// The occurrence record's fields with the output page stem after the position.
enum Field { kWordNumber = 1, kPage, kPosition, kOutputPageStem, kIndexPageStem, kOccurrenceId };
enum WordField { kWord = kOccurrenceId + 1, kRunningNumber, kContext, kFieldCount = kContext };
}  // namespace placed_occurrence_record

// The all-words list, one record a word, alphabetically. Written by
// scan/word_numbering; read by the driver's all-words page and search data.
inline constexpr char kAllWordsFile[] = "wrd_12.txt";
namespace all_words_record {
// The index page stem and occurrence id of the word's first occurrence.
enum Field { kIndexPageStem = 1, kOccurrenceId, kWord, kCount };
}  // namespace all_words_record

// The search field's words by their keys (the word folded, without
// accents), under the reader's word rule. Written by driver/search_data,
// sorted by it into kSortedSearchWordsFile, which it reads.
inline constexpr char kSearchWordsFile[] = "wrd_search.txt";
inline constexpr char kSortedSearchWordsFile[] = "wrd_search_s.txt";
namespace search_word_record {
// "0" for a word with accents, "1" for one without, so that the accented
// forms of a key come first; then the all-words record's fields.
enum Field {
  kKey = 1,
  kAccents,
  kIndexPageStem,
  kOccurrenceId,
  kWord,
  kCount,
  kFieldCount = kCount
};
}  // namespace search_word_record

// The index page of every occurrence, in document order. Written by
// scan/page_lists; sorted by annotate/page_lists into kSortedIndexPagesFile,
// from which it writes each index page once into kIndexPagesFile, which
// wordindex reads.
inline constexpr char kIndexPageListFile[] = "in_list.txt";
inline constexpr char kSortedIndexPagesFile[] = "in_l_01.txt";
inline constexpr char kIndexPagesFile[] = "in_l_02.txt";
namespace index_page_record {
// The index page's number right-aligned in 10 columns, and its stem.
enum Field { kNumber = 1, kStem };
}  // namespace index_page_record

// Span places. Written by annotate/span_annotation; read by
// annotate/page_assembly.
inline constexpr char kSpanPlacesFile[] = "htm_spans.txt";
namespace span_record {
// Page and position of the page character the markup goes with, the kind,
// and for an opening span the occurrence's word number, index page stem and
// id. An opening span goes in front of its character, a closing one after it.
enum Field { kPage = 1, kPosition, kKind, kWordNumber, kIndexPageStem, kOccurrenceId };
inline constexpr std::string_view kOpening = "open";
inline constexpr std::string_view kClosing = "close";
// The opening of a joined word's second part: the class and the handler of
// the word's occurrence, without its id.
inline constexpr std::string_view kSecondPart = "part";
}  // namespace span_record

// The characters of the old page frame, as range records. Written by
// annotate/tag_classification; read by annotate/page_assembly.
inline constexpr char kFrameRangesFile[] = "htm_frames.txt";

// ---- The sort's own files (shell/external_sort).

// An input whose over-long lines are cut goes through this copy.
inline constexpr char kSortCutFile[] = "f_04.txt";
// The sorted runs of a long input: sort_run_ + number + .txt.
inline constexpr std::string_view kSortRunPrefix = "sort_run_";
inline constexpr std::string_view kSortRunSuffix = ".txt";

// ---- The driver's files: what the checks and the staging look at.

// Sub-folder listings of the environment checks, written and read there.
inline constexpr char kFolderCheckFile[] = "check_01.txt";
inline constexpr char kSortedFolderCheckFile[] = "check_02.txt";
// Every file of that family, as the checks remove them before they begin.
inline constexpr char kFolderCheckFiles[] = "check_*.txt";
// The PDF files of pdf_in, written and read by the input step.
inline constexpr char kPdfListingFile[] = "pdf_file.txt";
// Sub-folder listings of the input step and of the staging.
inline constexpr char kInputFoldersFile[] = "dir_01.txt";
inline constexpr char kStagingFoldersFile[] = "dir_cur.txt";
// The staging's copy journal, written by each copy and read after it.
inline constexpr char kCopyJournalFile[] = "out_zurnal.txt";
// Captures of the environment checks named by the clock
// (driver/console_helpers): f_YYYY_MM_DD_HH_MM_SS.txt, d a digit in the shape.
inline constexpr std::string_view kStampedPrefix = "f_";
inline constexpr std::string_view kStampedSuffix = ".txt";
inline constexpr std::string_view kStampedShape = "f_dddd_dd_dd_dd_dd_dd.txt";
// A listing of the converter's folder, removed with that folder's pages.
inline constexpr char kConverterFolderListing[] = "htm_in/f_01.txt";
// Listings that are not scratch files: they stay after a run. The working
// folder's, of startup, the checks and the staging; and the converter's
// pages, written and read by the input step.
inline constexpr char kWorkingFolderListing[] = "out_null.list";
inline constexpr char kConverterPagesListing[] = "htm_in_02.list";

}  // namespace lexiweb

#endif  // LEXIWEB_SHELL_SCRATCH_CATALOGUE_H_
