// End-to-end runs of lexiweb-library on small PDFs the tests write: the
// library's bytes whatever the route to them, its faults, an interrupted
// build, the word pages' counts, and the lock.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <thread>

#include "e2e_support.h"
#include "tools/pdf_writer.h"

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

ProgramRun run_library(const std::vector<std::string>& arguments) {
  return run_program(LEXIWEB_LIBRARY_BINARY, fs::current_path(), "", "", arguments);
}

// Every file of a library but its run's own state, by path.
std::map<std::string, std::string> library_bytes(const fs::path& library) {
  std::map<std::string, std::string> files;
  for (auto it = fs::recursive_directory_iterator(library);
       it != fs::recursive_directory_iterator(); ++it) {
    if (it->path().filename() == ".lexiweb-library") {
      it.disable_recursion_pending();
      continue;
    }
    if (it->is_regular_file()) {
      files[fs::relative(it->path(), library).string()] = read_file(it->path());
    }
  }
  return files;
}

// Three documents; zebra 4 times in alpha, once in beta, never in gamma.
void write_documents(const fs::path& folder) {
  fs::create_directories(folder);
  write_pdf(folder / "alpha.pdf",
            {text_page({"zebra zebra zebra apple"}), text_page({"orange zebra walrus"})});
  write_pdf(folder / "beta.pdf", {text_page({"zebra banana apple"})});
  write_pdf(folder / "gamma.pdf", {text_page({"banana cherry walrus"})});
}

// The id of the document whose stem is `stem`, as the library names it.
std::string id_of(const fs::path& library, const std::string& stem) {
  for (const auto& entry : fs::directory_iterator(library / "documents")) {
    const std::string id = entry.path().filename().string();
    if (id.size() == stem.size() + 9 && id.starts_with(stem + "-")) return id;
  }
  return "";
}

TEST(Library, SecondBuildConvertsNothingAndChangesNoByte) {
  WorkingFolder folder;
  write_documents("pdfs");
  const ProgramRun first = run_library({"build", "-j", "2", "lib", "pdfs"});
  ASSERT_EQ(first.exit_status, 0) << first.errors;
  const auto before = library_bytes("lib");
  EXPECT_TRUE(before.count("index.html"));
  const std::string alpha = id_of("lib", "alpha");
  ASSERT_FALSE(alpha.empty());
  // The document's own site, with a link up to the library beside its contents.
  EXPECT_NE(before.at("documents/" + alpha + "/f000001.htm")
                .find("<a href = \"f000003.htm\">Contents</a>&nbsp <a href = "
                      "\"../../index.html\">Library</a>&nbsp \r\n"),
            std::string::npos);

  const ProgramRun second = run_library({"build", "-j", "2", "lib", "pdfs"});
  ASSERT_EQ(second.exit_status, 0) << second.errors;
  EXPECT_NE(second.output.find(": 0 converted, 0 failed, 0 removed; 0 library pages written"),
            std::string::npos)
      << second.output;
  EXPECT_EQ(library_bytes("lib"), before);
}

// -j 1, -j 2, the sources in another order, and the conversions run by GNU
// parallel and then merged: the same bytes.
TEST(Library, SameBytesWhateverTheRoute) {
  WorkingFolder folder;
  write_documents("pdfs");
  ASSERT_EQ(run_library({"build", "-j", "2", "lib1", "pdfs"}).exit_status, 0);
  ASSERT_EQ(
      run_library({"build", "-j", "1", "lib2", "pdfs/gamma.pdf", "pdfs/alpha.pdf", "pdfs/beta.pdf"})
          .exit_status,
      0);
  const ProgramRun spread =
      run_program("/usr/bin/parallel", fs::current_path(), "", "",
                  {"--will-cite", "-j", "2", LEXIWEB_LIBRARY_BINARY, "convert", "{}",
                   "lib3/documents", ":::", "pdfs/alpha.pdf", "pdfs/beta.pdf", "pdfs/gamma.pdf"});
  ASSERT_EQ(spread.exit_status, 0) << spread.errors;
  const ProgramRun merged = run_library({"merge", "lib3"});
  ASSERT_EQ(merged.exit_status, 0) << merged.errors;

  const auto reference = library_bytes("lib1");
  EXPECT_GT(reference.size(), 20u);
  EXPECT_EQ(library_bytes("lib2"), reference);
  EXPECT_EQ(library_bytes("lib3"), reference);
}

TEST(Library, FaultsAreNamedAndTheOthersBuilt) {
  WorkingFolder folder;
  write_documents("pdfs");
  write_file("pdfs/damaged.pdf", "%PDF-1.4\n1 0 obj << /Type /Catalog >> garbage\n");
  write_pdf("pdfs/empty.pdf", {});
  write_file("notes.txt", "not a document\n");
  const ProgramRun run = run_library({"build", "--log", "build.log", "lib", "pdfs", "notes.txt"});
  EXPECT_EQ(run.exit_status, 3);
  EXPECT_NE(run.errors.find("damaged.pdf: damaged beyond reading"), std::string::npos)
      << run.errors;
  EXPECT_NE(run.errors.find("notes.txt: not a PDF"), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("empty.pdf: converts to no page"), std::string::npos) << run.errors;
  for (const char* stem : {"alpha", "beta", "gamma"}) {
    EXPECT_FALSE(id_of("lib", stem).empty()) << stem;
  }
  EXPECT_EQ(id_of("lib", "damaged"), "");
  const std::string log = read_file("build.log");
  EXPECT_NE(log.find("\"source\":\"" + fs::absolute("notes.txt").string() +
                     "\",\"pages\":0,\"words\":0,"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("\"status\":\"failed\",\"error\":\"not a PDF\"}"), std::string::npos) << log;
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 6);
  EXPECT_NE(log.find("\"status\":\"converted\""), std::string::npos) << log;
}

TEST(Library, TermDuringBuildLeavesThePreviousLibrary) {
  WorkingFolder folder;
  write_documents("pdfs");
  ASSERT_EQ(run_library({"build", "lib", "pdfs/alpha.pdf"}).exit_status, 0);
  const auto before = library_bytes("lib");

  ProgramSetup setup;
  setup.arguments = {"build", "-j", "1", "lib", "pdfs"};
  const StartedProgram started =
      start_program_run(LEXIWEB_LIBRARY_BINARY, fs::current_path(), "", setup);
  ASSERT_GT(started.id, 0);
  // Once the conversions run.
  const fs::path state = "lib/.lexiweb-library";
  const auto converting = [&] {
    for (const auto& entry : fs::directory_iterator(state)) {
      if (entry.path().filename().string().starts_with("build-")) return true;
    }
    return false;
  };
  for (int wait = 0; wait < 2000 && !converting(); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_TRUE(converting());
  kill(started.id, SIGTERM);
  const ProgramRun ended = finish_program_run(started);
  EXPECT_EQ(ended.exit_status, 128 + SIGTERM) << ended.errors;
  EXPECT_EQ(library_bytes("lib"), before);
  // The conversion it ran removes its own folder as it ends.
  std::set<std::string> left;
  for (int wait = 0; wait < 100; ++wait) {
    left.clear();
    for (const auto& entry : fs::directory_iterator(state)) {
      left.insert(entry.path().filename().string());
    }
    if (left == std::set<std::string>{"lock", "sources.txt"}) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(left, (std::set<std::string>{"lock", "sources.txt"}));
}

// The count of zebra in each document's own word list.
long own_count(const fs::path& library, const std::string& id, const std::string& word) {
  std::string words;
  for (const auto& entry : fs::directory_iterator(library / "documents" / id / "words")) {
    words += read_file(entry.path());
  }
  std::smatch match;
  if (!std::regex_search(words, match, std::regex("\"" + word + "\",\"" + word + "\",(\\d+),"))) {
    return -1;
  }
  return std::stol(match[1]);
}

TEST(Library, WordPageCountsAreTheDocumentsOwnAndLeaveWithThem) {
  WorkingFolder folder;
  write_documents("pdfs");
  ASSERT_EQ(run_library({"build", "lib", "pdfs"}).exit_status, 0);
  const std::string alpha = id_of("lib", "alpha");
  const std::string beta = id_of("lib", "beta");
  // "ze" in UTF-8 hex.
  const std::string page = read_file("lib/words/7a65.html");
  ASSERT_EQ(own_count("lib", alpha, "zebra"), 4);
  ASSERT_EQ(own_count("lib", beta, "zebra"), 1);
  std::smatch match;
  ASSERT_TRUE(
      std::regex_search(page, match,
                        std::regex("<h2>zebra</h2>\r\n<p>5 occurrences in 2 documents</p>"
                                   "\r\n<ol>\r\n<li><a href=\"../documents/" +
                                   alpha +
                                   "/in000001.htm#i\\d+\">alpha</a> 4</li>\r\n"
                                   "<li><a href=\"../documents/" +
                                   beta + "/in000001.htm#i\\d+\">beta</a> 1</li>\r\n</ol>")))
      << page;
  // Its search entry leads to the group's first piece, at the word's anchor.
  const std::string search = read_file("lib/search/7a65.js");
  ASSERT_TRUE(std::regex_search(
      search, match,
      std::regex("^lexiwebLibrary\\.words\\(\"7a65\", \"7a65\", \\[\r\n"
                 "\"zebra\",\"zebra\",5,2,\"\",\"(w[0-9a-f]{16})\",\r\n\\]\\);\r\n$")))
      << search;
  EXPECT_NE(page.find("<section id=\"" + match[1].str() + "\"><h2>zebra</h2>"), std::string::npos);

  ASSERT_EQ(run_library({"build", "lib", "pdfs/beta.pdf", "pdfs/gamma.pdf"}).exit_status, 0);
  EXPECT_FALSE(fs::exists("lib/documents/" + alpha));
  for (const auto& [path, bytes] : library_bytes("lib")) {
    EXPECT_EQ(bytes.find(alpha), std::string::npos) << path;
  }
  EXPECT_NE(read_file("lib/words/7a65.html").find("<p>1 occurrences in 1 document</p>"),
            std::string::npos);
}

// Words of five to eight letters, a third of them beginning with "ka", the
// same for the same seed.
std::vector<std::string> made_up_lines(unsigned seed, int lines) {
  std::vector<std::string> text;
  for (int n = 0; n < lines; ++n) {
    std::string line;
    for (int w = 0; w < 8; ++w) {
      seed = seed * 1103515245 + 12345;
      std::string word = (seed >> 16) % 3 == 0 ? "ka" : "";
      const int letters = 5 + (seed >> 20) % 4;
      while (static_cast<int>(word.size()) < letters) {
        seed = seed * 1103515245 + 12345;
        word += static_cast<char>('a' + (seed >> 16) % 26);
      }
      line += (w > 0 ? " " : "") + word;
    }
    text.push_back(line);
  }
  return text;
}

// A document whose words all begin with "ka" rewrites the pieces that hold
// them and the lists that name pieces, not the rest of the library.
TEST(Library, AddedDocumentRewritesOnlyThePagesOfItsWords) {
  WorkingFolder folder;
  fs::create_directories("pdfs");
  for (unsigned document = 1; document <= 4; ++document) {
    std::vector<PdfPage> pages;
    for (unsigned page = 0; page < 4; ++page) {
      pages.push_back(text_page(made_up_lines(document * 100 + page, 40)));
    }
    write_pdf("pdfs/made" + std::to_string(document) + ".pdf", pages);
  }
  ASSERT_EQ(run_library({"build", "lib", "pdfs"}).exit_status, 0);
  const auto before = library_bytes("lib");

  const std::vector<std::string> added = {"kaaaab", "kammmmq", "kazzzzy"};
  write_pdf("pdfs/kanew.pdf", {text_page({"kaaaab kammmmq kazzzzy"})});
  ASSERT_EQ(run_library({"build", "lib", "pdfs"}).exit_status, 0);
  const auto after = library_bytes("lib");
  const std::string own = "documents/" + id_of("lib", "kanew") + "/";

  std::set<std::string> changed;
  for (const auto& [path, bytes] : after) {
    const auto old = before.find(path);
    if (old == before.end() || old->second != bytes) changed.insert(path);
  }
  for (const auto& [path, bytes] : before) {
    if (!after.count(path)) changed.insert(path);
  }
  int ka_pieces = 0;
  for (const auto& [path, bytes] : before) ka_pieces += path.starts_with("words/6b61");
  // Each new word may also start or end a piece: a new neighbour, or a
  // neighbour's link to the next piece, for each of the three kinds.
  int neighbours = 0;
  int library_pages = 0;
  for (const std::string& path : changed) {
    if (path.starts_with(own)) continue;
    ++library_pages;
    if (path == "index.html" || path == "search/6b61.js") continue;
    const auto now = after.find(path);
    const bool holds_one =
        now != after.end() && std::any_of(added.begin(), added.end(), [&](const std::string& word) {
          return now->second.find(word) != std::string::npos;
        });
    if (!holds_one) ++neighbours;
  }
  EXPECT_LE(neighbours, 3 * static_cast<int>(added.size())) << ::testing::PrintToString(changed);
  EXPECT_GT(ka_pieces, 8);
  EXPECT_LE(library_pages, 2 + 3 * static_cast<int>(added.size()) * 2)
      << ::testing::PrintToString(changed);
  EXPECT_GT(before.size(), 100u);
}

TEST(Library, SecondRunSaysTheLibraryIsInUse) {
  WorkingFolder folder;
  fs::create_directories("lib/.lexiweb-library");
  const int fd = ::open("lib/.lexiweb-library/lock", O_RDWR | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  const ProgramRun run = run_library({"merge", "lib"});
  ::close(fd);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.errors, "lexiweb-library: " + fs::absolute("lib").string() +
                            " is in use by another lexiweb-library run\n");
  EXPECT_FALSE(fs::exists("lib/index.html"));
}

TEST(Library, WrongUsageChangesNothing) {
  WorkingFolder folder;
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"build", "lib"},
                                             {"merge"},
                                             {"convert", "a.pdf"},
                                             {"build", "-j", "none", "lib", "x.pdf"},
                                             {"merge", "--log", "x", "lib"},
                                             {"index", "lib"}}) {
    const ProgramRun run = run_library(arguments);
    EXPECT_EQ(run.exit_status, 2) << run.errors;
    EXPECT_NE(run.errors.find("(see lexiweb-library --help)"), std::string::npos);
  }
  EXPECT_TRUE(fs::is_empty(fs::current_path()));
}

}  // namespace
}  // namespace lexiweb::testing
