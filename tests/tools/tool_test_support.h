// Runs the emulator's programs for real, in a temporary folder, through RunProcess.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/temp_folder.h"

namespace zrt::tools::testing {

// What a run of an emulated tool printed (stdout and stderr together) and answered.
struct ToolRun {
  int exitCode = -1;
  std::string output;
};

// text with its '\n' line ends as the tools print and write text on this host.
std::string Host(const std::string& text);

// A test with a fresh folder in which the tools run.
class ToolTest : public ::testing::Test {
 protected:
  // Runs "<tool folder>\<tool>.exe <arguments>" in the folder; fails the test when the
  // program cannot be started.
  ToolRun Run(const std::string& tool, const std::string& arguments);
  // Creates a file ('/'-separated path relative to the folder) and its folders.
  void Write(const std::string& relative, const std::string& content);
  // The bytes of a file in the folder; "<missing>" when it does not exist.
  std::string Read(const std::string& relative);
  // True when the file or folder exists.
  bool Exists(const std::string& relative);
  // Runs each command line tools/fixtures/refusals.txt gives for tool: exit code 1 and
  // exactly the output given there.
  void ExpectRefusals(const std::string& tool);
  // Makes a new, empty subfolder the folder the above work in (one per table row).
  void EnterSubfolder(const std::string& name);

 private:
  platform::testing::TempFolder folder_;
  std::filesystem::path work_ = folder_.Path();
};

}  // namespace zrt::tools::testing
