#include "tests/tools/tool_test_support.h"

#include <fstream>

#include "platform/file_system.h"
#include "platform/process.h"
#include "tests/core/case_file.h"

namespace zrt::tools::testing {

std::string Host(const std::string& text) {
#ifdef _WIN32
  std::string converted;
  for (char c : text) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return converted;
#else
  return text;
#endif
}

ToolRun ToolTest::Run(const std::string& tool, const std::string& arguments) {
  std::string program = platform::RealFileSystem().FullPath(ZRT_TOOL_DIR) + "\\" + tool + ".exe";
  ToolRun run;
  std::string error;
  EXPECT_TRUE(
      platform::RunProcess("\"" + program + "\" " + arguments, work_.string(), &run.output, &run.exitCode, &error))
      << error;
  return run;
}

void ToolTest::ExpectRefusals(const std::string& tool) {
  for (const zrt::testing::CaseRow& row : zrt::testing::ReadCaseFile("tools/fixtures/refusals.txt")) {
    if (row[0] != tool) continue;
    ToolRun run = Run(tool, row[1]);
    EXPECT_EQ(run.exitCode, 1) << row[1];
    EXPECT_EQ(run.output, Host(row[2])) << row[1];
  }
}

void ToolTest::Write(const std::string& relative, const std::string& content) {
  std::filesystem::path path = work_ / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
}

std::string ToolTest::Read(const std::string& relative) {
  std::ifstream in(work_ / relative, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ToolTest::Exists(const std::string& relative) { return std::filesystem::exists(work_ / relative); }

void ToolTest::EnterSubfolder(const std::string& name) {
  work_ = folder_.Path() / name;
  std::filesystem::create_directories(work_);
}

}  // namespace zrt::tools::testing
