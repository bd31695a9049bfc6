// Keeps what a library writes on standard error off the console while a
// piece of work runs, for libraries that report as they go.
#ifndef LEXIWEB_PLATFORM_QUIET_STANDARD_ERROR_H_
#define LEXIWEB_PLATFORM_QUIET_STANDARD_ERROR_H_

namespace lexiweb {

// Standard error goes to /dev/null from construction to destruction. No
// line of the program's own may be written meanwhile: it would be lost.
class QuietStandardError {
 public:
  QuietStandardError();
  ~QuietStandardError();
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace lexiweb

#endif  // LEXIWEB_PLATFORM_QUIET_STANDARD_ERROR_H_
