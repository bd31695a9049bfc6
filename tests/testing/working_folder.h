// Test helpers: a fresh temporary working folder that the test runs in, and
// whole-file reads and writes for setting up inputs and checking outputs.
#ifndef LEXIWEB_TESTING_WORKING_FOLDER_H_
#define LEXIWEB_TESTING_WORKING_FOLDER_H_

#include <filesystem>
#include <string>

namespace lexiweb::testing {

// Makes a new empty folder under the system's temporary folder and makes it
// the current directory; on destruction returns to the old one and removes it.
class WorkingFolder {
 public:
  WorkingFolder();
  ~WorkingFolder();
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// The whole file as bytes; empty when it cannot be read.
std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& bytes);

// Writes an executable shell script, its folder made when missing: a stand-in
// for an outside program that a test puts first on the PATH.
void write_program(const std::filesystem::path& path, const std::string& script);

// Joins the records written as quoted, comma-separated fields ending in CR LF.
std::string record_line(std::initializer_list<std::string> fields);

}  // namespace lexiweb::testing

#endif  // LEXIWEB_TESTING_WORKING_FOLDER_H_
