#include "platform/process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/command_line.h"
#include "platform/file_system.h"
#include "tests/core/case_file.h"
#include "tests/platform/temp_folder.h"

namespace zrt::platform {
namespace {

using Arguments = std::vector<std::string>;

TEST(SplitCommandLineTest, FollowsTheCRuntimeRules) {
  for (const zrt::testing::CaseRow& row : zrt::testing::ReadCaseFile("platform/fixtures/split_cases.txt")) {
    Arguments expected(row.begin() + 2, row.end());
    EXPECT_EQ(std::to_string(expected.size()), row[0]) << row[1];
    EXPECT_EQ(SplitCommandLine(row[1]), expected) << row[1];
  }
}

TEST(SplitCommandLineTest, ResponseTextTreatsLineEndsAsBlanks) {
  EXPECT_EQ(SplitArguments("a\r\nb \"c d\"\n\n-o\tx.o\n"), (Arguments{"a", "b", "c d", "-o", "x.o"}));
  EXPECT_EQ(SplitArguments("first"), Arguments{"first"});
  EXPECT_TRUE(SplitArguments("\r\n \t").empty());
}

// The child program, as a quoted Windows-style absolute path.
std::string Child() { return "\"" + RealFileSystem().FullPath(ZRT_PROCESS_CHILD_FILE) + "\""; }

// Output with the carriage returns a Windows C runtime adds removed.
std::string Lines(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

class RunProcessTest : public ::testing::Test {
 protected:
  // Runs the child with arguments in the temporary folder; fails the test when it
  // cannot start.
  std::string Run(const std::string& arguments, int* exitCode) {
    std::string output, error;
    EXPECT_TRUE(RunProcess(Child() + " " + arguments, folder_.Path().string(), &output, exitCode, &error)) << error;
    return Lines(output);
  }

  testing::TempFolder folder_;
};

TEST_F(RunProcessTest, CapturesStdoutThenStderrAndTheExitCode) {
  int exitCode = -1;
  EXPECT_EQ(Run("--exit=3 second", &exitCode), "argc=2\n[--exit=3]\n[second]\non stderr\n");
  EXPECT_EQ(exitCode, 3);
  EXPECT_EQ(Run("", &exitCode), "argc=0\non stderr\n");
  EXPECT_EQ(exitCode, 0);
  EXPECT_TRUE(std::filesystem::exists(folder_.Path() / "child-was-here"));  // ran in the working directory
}

TEST_F(RunProcessTest, ArgumentsArriveAsAWindowsProgramSplitsThem) {
  int exitCode = -1;
  std::string output = Run("-I\"..\\inc\" \"a b\" a\\\\b a\\\"b \"x\"\"y\" \"\" --pd \"X SETA 1\"", &exitCode);
  EXPECT_EQ(output, "argc=8\n[-I..\\inc]\n[a b]\n[a\\\\b]\n[a\"b]\n[x\"y]\n[]\n[--pd]\n[X SETA 1]\non stderr\n");
}

TEST_F(RunProcessTest, LongOutputIsReadWhileTheChildWrites) {
  int exitCode = -1;
  std::string output = Run("--lines=30000", &exitCode);
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 30000 + 3);
  EXPECT_NE(output.find("line 29999 of a long output\non stderr\n"), std::string::npos);
}

TEST_F(RunProcessTest, RelativeProgramPathIsTheCallersNotTheChilds) {
  std::filesystem::path relative = std::filesystem::relative(ZRT_PROCESS_CHILD_FILE);
  ASSERT_FALSE(relative.is_absolute());
  std::string path = relative.string();
  std::replace(path.begin(), path.end(), '/', '\\');
  if (path.find('\\') == std::string::npos) path = ".\\" + path;
  std::string output, error;
  int exitCode = -1;
  ASSERT_TRUE(RunProcess(path + " --exit=4", folder_.Path().string(), &output, &exitCode, &error)) << error;
  EXPECT_EQ(exitCode, 4);
  EXPECT_TRUE(std::filesystem::exists(folder_.Path() / "child-was-here"));
}

TEST_F(RunProcessTest, ProgramThatCannotStartAnswersFalseWithAReason) {
  std::string output = "old", error;
  int exitCode = 77;
  EXPECT_FALSE(RunProcess("\"" + folder_.Join("missing.exe") + "\" a", "", &output, &exitCode, &error));
  EXPECT_NE(error, "");
  EXPECT_EQ(output, "");
  EXPECT_EQ(exitCode, 77);
  error.clear();
  EXPECT_FALSE(RunProcess("  ", "", &output, &exitCode, &error));
  EXPECT_EQ(error, "empty command line");
  error.clear();
  EXPECT_FALSE(RunProcess(Child(), folder_.Join("no-such-folder"), &output, &exitCode, &error));
  EXPECT_NE(error, "");
}

}  // namespace
}  // namespace zrt::platform
