#include "convert/finished_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/text.h"
#include "convert/converter_page.h"
#include "convert/page_backgrounds.h"
#include "shell/file_ops.h"

namespace lexiweb {
namespace {

constexpr std::string_view kImageEnd("\0\0\0\0IEND\xAE\x42\x60\x82", 12);

bool is_white_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool ends_with_closing_html(std::string_view page) {
  while (!page.empty() && is_white_space(page.back())) page.remove_suffix(1);
  constexpr std::string_view kClosing = "</html>";
  return page.size() >= kClosing.size() &&
         to_lower_ascii(page.substr(page.size() - kClosing.size())) == kClosing;
}

// The PNG file of the folder named by the src attribute value `name`, or
// empty when it names no such file (another folder, another kind).
std::string local_image(std::string_view name) {
  if (name.size() <= 4 || name.find('/') != std::string_view::npos ||
      to_lower_ascii(name.substr(name.size() - 4)) != ".png") {
    return "";
  }
  return std::string(name);
}

}  // namespace

bool image_is_finished(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char tail[kImageEnd.size()];
  struct stat info;
  bool finished = false;
  if (::fstat(fd, &info) == 0 && info.st_size >= static_cast<off_t>(sizeof tail)) {
    finished = ::pread(fd, tail, sizeof tail, info.st_size - static_cast<off_t>(sizeof tail)) ==
                   static_cast<ssize_t>(sizeof tail) &&
               std::string_view(tail, sizeof tail) == kImageEnd;
  }
  ::close(fd);
  return finished;
}

std::string unfinished_page_reason(std::string_view page, const std::string& folder) {
  if (!ends_with_closing_html(page)) return "the page ends before its closing </html>";
  constexpr std::string_view kSource = "src=\"";
  for (size_t at = page.find(kSource); at != std::string_view::npos;
       at = page.find(kSource, at + 1)) {
    const size_t start = at + kSource.size();
    const size_t end = page.find('"', start);
    if (end == std::string_view::npos) break;
    const std::string name = local_image(page.substr(start, end - start));
    if (name.empty()) continue;
    const std::string path = folder + "/" + name;
    if (::access(path.c_str(), F_OK) != 0) return "its image " + name + " is missing";
    if (!image_is_finished(path)) return "its image " + name + " ends before its IEND chunk";
  }
  return "";
}

bool is_finished(const std::string& folder, const std::string& name) {
  const std::string path = folder + "/" + name;
  if (!name.ends_with(".html")) return image_is_finished(path);
  std::string page;
  return read_whole_file(path, &page) && unfinished_page_reason(page, folder).empty();
}

std::vector<PageOutcome> page_outcomes(const Conversion& conversion) {
  std::vector<PageOutcome> outcomes(conversion.page_count);
  for (int page = 1; page <= conversion.page_count; ++page) {
    PageOutcome& outcome = outcomes[page - 1];
    outcome.page_lost = !is_finished(conversion.folder, converter_page_file(page));
    outcome.background_lost = conversion.rendering() && !outcome.page_lost &&
                              !is_finished(conversion.folder, background_image_file(page));
  }
  return outcomes;
}

}  // namespace lexiweb
