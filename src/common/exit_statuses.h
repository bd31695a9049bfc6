// The exit statuses of lexiweb's private programs, lexiweb-render and
// lexiweb-ocr, and those of pdftohtml that the converter reads. The
// renderer and the recogniser answer as pdftohtml does where they fail
// alike, so that a failed job reads the same whichever program ran it.
#ifndef LEXIWEB_COMMON_EXIT_STATUSES_H_
#define LEXIWEB_COMMON_EXIT_STATUSES_H_

namespace lexiweb {

// All three programs.
inline constexpr int kCannotOpenPdf = 1;
inline constexpr int kCannotWriteOutput = 2;

// pdftohtml alone.
inline constexpr int kCopyingNotPermitted = 3;

// lexiweb-ocr alone: a page over its pixel limit, a language whose data is
// missing, a program that could not start itself again in one thread.
inline constexpr int kPageTooLarge = 3;
inline constexpr int kLanguageMissing = 4;
inline constexpr int kCannotRestart = 71;

// lexiweb-render and lexiweb-ocr: wrong usage (sysexits' EX_USAGE).
inline constexpr int kWrongUsage = 64;

}  // namespace lexiweb

#endif  // LEXIWEB_COMMON_EXIT_STATUSES_H_
