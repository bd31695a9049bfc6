#include "convert/wordless_page.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/run_shell.h"
#include "testing/working_folder.h"

namespace lexiweb {
namespace {

using testing::read_file;
using testing::WorkingFolder;

// A PDF of pages without content, each given by the entries of its
// dictionary that size it, or by a string that stands where the dictionary
// should, so that the page cannot be read.
std::string pdf_of_pages(const std::vector<std::string>& page_entries) {
  std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>", ""};
  std::string kids;
  for (const std::string& entries : page_entries) {
    kids += std::to_string(objects.size() + 1) + " 0 R ";
    objects.push_back(entries.starts_with('(') ? entries
                                               : "<< /Type /Page /Parent 2 0 R " + entries + " >>");
  }
  objects[1] =
      "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(page_entries.size()) + " >>";
  std::string pdf = "%PDF-1.4\n";
  std::string xref = "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (size_t n = 0; n < objects.size(); ++n) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", pdf.size());
    xref += entry;
    pdf += std::to_string(n + 1) + " 0 obj\n" + objects[n] + "\nendobj\n";
  }
  const std::string xref_offset = std::to_string(pdf.size());
  return pdf + xref + "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
         " /Root 1 0 R >>\nstartxref\n" + xref_offset + "\n%%EOF\n";
}

// The sizes must be those of the divs pdftohtml writes: the media box (not
// the crop box), turned with the page, cut to whole pixels, the zoom kept
// within pdftohtml's bounds.
TEST(PageSizes, AreThoseOfPdftohtmlsPageDivs) {
  WorkingFolder folder;
  testing::write_file("doc.pdf",
                      pdf_of_pages({"/MediaBox [0 0 609.714 789.041]",
                                    "/MediaBox [0 0 595.276 841.89] /CropBox [20 20 500 800] "
                                    "/Rotate 90",
                                    "/MediaBox [10 10 622 802] /Rotate 270"}));
  for (const char* zoom : {"1.5", "1.8", "4"}) {
    SCOPED_TRACE(zoom);
    std::string report;
    ASSERT_EQ(
        run_for_output({"pdftohtml", "-q", "-c", "-i", "-zoom", zoom, "doc.pdf", "page"}, &report),
        0);
    const std::vector<PagePixels> sizes = page_sizes("doc.pdf", 3, zoom);
    ASSERT_EQ(sizes.size(), 3u);
    for (int page = 1; page <= 3; ++page) {
      const std::string expected = read_file("page-" + std::to_string(page) + ".html");
      const PagePixels size = sizes[page - 1];
      EXPECT_TRUE(size.read);
      // The page pdftohtml writes for a page without text.
      EXPECT_EQ(wordless_page(page, size), expected);
    }
  }
}

// A page that cannot be read takes the size of the page before it, or of a
// Letter page when it comes first.
TEST(PageSizes, OfPagesThatCannotBeReadComeFromThePageBefore) {
  WorkingFolder folder;
  // poppler skips the pages it cannot read and numbers the others first:
  // pages 2 and 3 are the unread ones.
  testing::write_file("doc.pdf",
                      pdf_of_pages({"(no page)", "/MediaBox [0 0 300 400]", "(no page)"}));
  const std::vector<PagePixels> sizes = page_sizes("doc.pdf", 3, "1");
  ASSERT_EQ(sizes.size(), 3u);
  for (int page = 1; page <= 3; ++page) {
    SCOPED_TRACE(page);
    EXPECT_EQ(sizes[page - 1].read, page == 1);
    EXPECT_EQ(sizes[page - 1].width, 300);
    EXPECT_EQ(sizes[page - 1].height, 400);
  }
  const std::vector<PagePixels> none = page_sizes("missing.pdf", 1, "1.5");
  ASSERT_EQ(none.size(), 1u);
  EXPECT_FALSE(none[0].read);
  EXPECT_EQ(none[0].width, 918);
  EXPECT_EQ(none[0].height, 1188);
}

}  // namespace
}  // namespace lexiweb
