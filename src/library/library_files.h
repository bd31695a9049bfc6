// The files of a library and the forms of the records that lexiweb-library
// hands from its conversions to its merge, each named once.
//
//   LIBRARY/documents/ID/        one document's site, as lexiweb makes it,
//                                with its two library records beside it
//   LIBRARY/index.html           the front page
//   LIBRARY/words/HEX[-KEY].html the word pages, by the first kGroupCharacters
//                                characters of the words' search keys (HEX:
//                                their UTF-8 in hex), in pieces of at most
//                                kPieceBytes, each after the first named by
//                                its first word (KEY: library/piece_series.h)
//   LIBRARY/search/HEX[-KEY].js  the search field's words, grouped alike
//   LIBRARY/all.html, all/HEX[-KEY].html  the all-words pages, by first character
//   LIBRARY/library.js, library.css     the search field and the pages' style
//   LIBRARY/.lexiweb-library/    the run's own: lock, sources, working folders
//
// Records are the stages' (shell/record_writer.h): quoted fields, CR LF.
#ifndef LEXIWEB_LIBRARY_LIBRARY_FILES_H_
#define LEXIWEB_LIBRARY_LIBRARY_FILES_H_

#include <cstddef>

namespace lexiweb {

inline constexpr char kDocumentsFolder[] = "documents";
inline constexpr char kFrontPage[] = "index.html";
inline constexpr char kWordPagesFolder[] = "words";
inline constexpr char kSearchFolder[] = "search";
inline constexpr char kAllWordsFolder[] = "all";
inline constexpr char kAllWordsIndexPage[] = "all.html";
inline constexpr char kLibraryScriptFile[] = "library.js";
inline constexpr char kStyleSheetFile[] = "library.css";
// Everything of the program's own inside the library: never served.
inline constexpr char kStateFolder[] = ".lexiweb-library";
inline constexpr char kLockFile[] = ".lexiweb-library/lock";
// What build knows of its sources from the last run (source_record).
inline constexpr char kSourcesFile[] = ".lexiweb-library/sources.txt";

// The characters of a search key that choose its group of files. Two keep
// the number of files of a library, which a merge compares, in the
// thousands, while the pieces keep what a query loads small.
inline constexpr size_t kGroupCharacters = 2;

// The most bytes of a word page or search file piece, unless one entry is
// longer; a query loads a search file, one or two of its pieces, and a word
// page piece.
inline constexpr size_t kPieceBytes = 24'000;
// The words a piece holds on average: where they end is chosen by the words
// themselves, so that an added word moves no other piece's bounds.
inline constexpr unsigned kWordsPerWordPiece = 32;
inline constexpr unsigned kWordsPerSearchPiece = 128;
// A word's entry lists at most this many documents on its word page, those
// with the most occurrences; the rest follow on pages of the word's own.
inline constexpr size_t kDocumentsPerEntry = 100;

// The facts of one converted document: DOCUMENTS/ID/library.txt, one record.
inline constexpr char kDocumentRecordFile[] = "library.txt";
namespace document_record {
enum Field {
  kId = 1,
  kTitle,
  kLanguage,
  kPages,
  kWords,          // word occurrences, as lexiweb counts them
  kContentsPage,   // the contents page's file in the document's folder
  kMagnification,  // the options it was converted with
  kTargetSite,
  kFieldCount = kTargetSite
};
}  // namespace document_record

// The document's words: DOCUMENTS/ID/library_words.txt, one record a word,
// from its all-words list.
inline constexpr char kWordRecordFile[] = "library_words.txt";
namespace library_word_record {
// The search key (the word folded, without accents, as the search field
// matches it), "0" for a word with accents and "1" for one without, the
// sort key (common/words.h: collation key and folded word, the word's
// identity across documents), the word as the all-words list spells it,
// its count, and the index page stem and occurrence id of its first
// occurrence.
enum Field {
  kSearchKey = 1,
  kAccents,
  kSortKey,
  kWord,
  kCount,
  kIndexPageStem,
  kOccurrenceId,
  kFieldCount = kOccurrenceId
};
}  // namespace library_word_record

// What build remembers of a source: its path, size, modification time (in
// nanoseconds) and document id, so that an unchanged PDF is not hashed again.
namespace source_record {
enum Field { kPath = 1, kSize, kModified, kId, kFieldCount = kId };
}  // namespace source_record

}  // namespace lexiweb

#endif  // LEXIWEB_LIBRARY_LIBRARY_FILES_H_
