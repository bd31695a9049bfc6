#include "testing/scanned_pages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "testing/working_folder.h"

namespace lexiweb::testing {
namespace {

// The PGM file that pdftoppm -gray writes, as a picture for the PDF writer.
PdfImage read_pgm(const std::string& path) {
  const std::string bytes = read_file(path);
  PdfImage image;
  int maximum = 0;
  int header = 0;
  if (std::sscanf(bytes.c_str(), "P5 %d %d %d%n", &image.width, &image.height, &maximum, &header) !=
          3 ||
      maximum != 255) {
    ADD_FAILURE() << path << " is no 8-bit PGM file";
    return {};
  }
  image.gray = bytes.substr(header + 1);
  EXPECT_EQ(image.gray.size(), static_cast<size_t>(image.width) * image.height);
  return image;
}

}  // namespace

std::vector<PdfPage> scanned_pages(const std::vector<PdfPage>& pages, double height_inches,
                                   bool text_layer) {
  write_pdf("text.pdf", pages);
  std::vector<PdfPage> scans;
  for (size_t page = 1; page <= pages.size(); ++page) {
    const std::string number = std::to_string(page);
    std::string command = "pdftoppm -q -r 300 -gray -singlefile -f " + number + " -l " + number;
    if (height_inches > 0) {
      command += " -x 0 -y 0 -W 2550 -H " + std::to_string(static_cast<int>(height_inches * 300));
    }
    command += " text.pdf scan";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    PdfPage scan;
    scan.image = read_pgm("scan.pgm");
    if (text_layer) {
      scan.lines = pages[page - 1].lines;
      scan.invisible_text = true;
    }
    scans.push_back(std::move(scan));
  }
  return scans;
}

std::vector<TextWord> text_words(const std::string& pdf, int page) {
  const std::string number = std::to_string(page);
  const std::string command =
      "pdftotext -q -f " + number + " -l " + number + " -bbox '" + pdf + "' words.html";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  const std::string html = read_file("words.html");
  const std::regex word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  std::vector<TextWord> words;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator();
       ++it) {
    words.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                     std::stod((*it)[4]), (*it)[5]});
  }
  return words;
}

}  // namespace lexiweb::testing
