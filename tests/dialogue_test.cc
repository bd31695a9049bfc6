// End-to-end runs of the program through its screens, with answers piped in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "e2e_support.h"

namespace lexiweb::testing {
namespace {

namespace fs = std::filesystem;

// A pdftohtml that only notes its arguments, one per line, and fails.
std::string install_recording_converter(const fs::path& bin) {
  write_program(bin / "pdftohtml",
                "for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done >> \"" +
                    (bin / "arguments").string() + "\"\nexit 3\n");
  return bin.string();
}

TEST(DialogueTest, MissingPdfFolderFailsTheFindCheck) {
  WorkingFolder folder;
  ProgramRun run = run_lexiweb(
      "\n"
      "x"
      "1");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, kOpening +
                            "cmd\nwmic\nsort\nfind\n"
                            "\n"
                            "----------------------------\n"
                            "Checking for find.exe\n"
                            "It is most likely necessary to set the system path to the program.\n"
                            "The subfolder pdf_in may not exist or may be empty.\n"
                            "BOTH PROGRAMS MUST BE INSTALLED TOGETHER IN THEIR OWN FOLDER AND THE "
                            "FILE (*.PDF) IN THE SUBFOLDER: PDF_IN\n"
                            "<1> = continue and end\n");
}

TEST(DialogueTest, TwoAtTheInformationScreenEnds) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  ProgramRun run = run_lexiweb("\n\nx2");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, kChecksPassed);
}

TEST(DialogueTest, EmptyPdfFolderEndsAtItsScreen) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_file("pdf_in/notes.txt", "not a pdf");
  ProgramRun run = run_lexiweb(kKeysToInput + "1");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, kChecksPassed +
                            "\n"
                            "----------------------------\n"
                            "Subfolder pdf_in is empty\n"
                            "\n"
                            "<1> = continue and end\n");
}

TEST(DialogueTest, TwoPdfsEndAtTheirScreen) {
  WorkingFolder folder;
  fs::create_directory("pdf_in");
  write_file("pdf_in/a.pdf", "%PDF-1.4");
  write_file("pdf_in/b.pdf", "%PDF-1.4");
  ProgramRun run = run_lexiweb(kKeysToInput + "1");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, kChecksPassed +
                            "\n"
                            "a.pdf\n"
                            "b.pdf\n"
                            "\n"
                            "----------------------------\n"
                            "number of files in subfolder pdf_in = 2\n"
                            "this subfolder may contain only one (1) *.pdf file\n"
                            "\n"
                            "<1> = continue and end\n");
}

TEST(DialogueTest, ThreeAtTheMagnificationScreenEnds) {
  WorkingFolder folder;
  fs::create_directories("pdf_in");
  fs::create_directories("htm_out/keep");
  write_file("htm_out/old.htm", "old");
  fs::create_directories("htm_out/words");
  write_file("htm_out/words/p12.js", "old part of the word list");
  write_file("htm_out/words/notes.txt", "the user's");
  write_file("f_2025_01_01_00_00_00.txt", "old stamp");
  write_file("pdf_in/My Report.pdf", "%PDF-1.4");
  ProgramRun run = run_lexiweb(kKeysToInput + "x3");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, kChecksPassed +
                            "\n"
                            "file in subfolder pdf_in = My Report.pdf\n"
                            "        1 file(s) copied.\n" +
                            kMagnificationScreen);
  EXPECT_EQ(read_file("My Report.pdf"), "%PDF-1.4") << "the PDF is copied into the working folder";
  EXPECT_FALSE(fs::exists("htm_out/old.htm")) << "htm_out is emptied at the start";
  EXPECT_TRUE(fs::is_directory("htm_out/keep")) << "its sub-folders stay";
  EXPECT_FALSE(fs::exists("htm_out/words/p12.js")) << "the last site's word list goes";
  EXPECT_TRUE(fs::exists("htm_out/words/notes.txt")) << "but only the run's own files of it";
  EXPECT_FALSE(fs::exists("f_2025_01_01_00_00_00.txt")) << "old stamped files are removed";
  EXPECT_TRUE(fs::exists("out_null.list"));
}

struct MagnificationCase {
  std::string name;
  std::string keys;
  std::string handed;
};

void PrintTo(const MagnificationCase& answer, std::ostream* out) {
  *out << answer.name << " (keys \"" << answer.keys << "\", hands " << answer.handed << ")";
}

class MagnificationTest : public ::testing::TestWithParam<MagnificationCase> {};

TEST_P(MagnificationTest, AnswerReachesTheConverter) {
  WorkingFolder folder;
  fs::create_directories("pdf_in");
  write_file("pdf_in/doc.pdf", "%PDF-1.4");
  std::string bin = install_recording_converter(folder.path() / "bin");
  ProgramRun run = run_lexiweb(kKeysToInput + GetParam().keys + "www.example.org\n" + "1", bin);
  EXPECT_EQ(run.exit_status, 0) << run.errors;
  std::string arguments = read_file(folder.path() / "bin" / "arguments");
  EXPECT_NE(arguments.find("\n" + GetParam().handed + "\n"), std::string::npos) << arguments;
  EXPECT_NE(arguments.find("\ndoc.pdf\n"), std::string::npos) << arguments;
  // The converter failed: the run says so and ends at the empty-folder screen.
  EXPECT_TRUE(
      run.output.ends_with("\nnumber of *.htm files = 0\n\n----------------------------\n"
                           "Subfolder htm_in is empty\n\n<1> = continue and end\n"))
      << run.output;
  EXPECT_NE(run.output.find(kTargetSiteScreen), std::string::npos) << run.output;
}

// Keys: the menu key, then, after "2", the line the prompt reads.
INSTANTIATE_TEST_SUITE_P(
    Answers, MagnificationTest,
    ::testing::Values(MagnificationCase{"EnterTakesTheDefault", "\n", "1.5"},
                      MagnificationCase{"OneTakesTheDefault", "1", "1.5"},
                      MagnificationCase{"TwoThenANumber", "22\n", "2"},
                      MagnificationCase{"TwoThenTextFallsBackToTheDefault", "2abc\n", "1.5"},
                      MagnificationCase{"TwoThenZeroFallsBackToTheDefault", "2 0.0 \n", "1.5"},
                      MagnificationCase{"TwoThenACommaEndsTheItem", "21,75\n", "1"}),
    [](const ::testing::TestParamInfo<MagnificationCase>& info) { return info.param.name; });

// Input that ends while the program waits, at a key or at a prompt.
TEST(DialogueTest, InputThatEndsWhileTheProgramWaitsStopsWithStatusOne) {
  WorkingFolder folder;
  fs::create_directories("pdf_in");
  write_file("pdf_in/doc.pdf", "%PDF-1.4");
  for (const std::string& input : {std::string("\n"), kKeysToInput + "2" + "2"}) {
    ProgramRun run = run_lexiweb(input);
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.errors.find("standard input ended"), std::string::npos) << run.errors;
  }
}

}  // namespace
}  // namespace lexiweb::testing
