#include "src/build/tool_output.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "src/core/interface_table.h"
#include "src/core/project_context.h"
#include "tests/core/case_file.h"
#include "tests/core/fake_file_system.h"

namespace zrt {
namespace {

std::vector<std::string> g_written;

void ZRT_CDECL RecordOutput(const char* text, int flag) {
  EXPECT_EQ(flag, 0);
  g_written.push_back(text);
}

// Resolves relative names against the project folder C:\p, as the OS would there.
class ProjectFolderFileSystem : public testing::FakeFileSystem {
 public:
  std::string FullPath(const std::string& path) override {
    return path.size() > 1 && path[1] == ':' ? path : "C:\\p\\" + path;
  }
  bool SetCurrentDirectory(const std::string& path) override {
    current = path;
    return true;
  }
  std::string current;
};

class ToolOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Context() = ProjectContext{};
    Context().projectPath = "C:\\p\\demo.orbproj";
    Context().fileSystem = &fs_;
    Interface().WriteOutput = RecordOutput;
    g_written.clear();
  }
  void TearDown() override {
    Interface().WriteOutput = nullptr;
    Context() = ProjectContext{};
  }

  // Parses text; answers errors, stores warnings.
  int Parse(const std::string& text, int mode) {
    warnings_ = -1;
    return ParseToolOutput(text.c_str(), static_cast<int>(text.size()), mode, &warnings_);
  }

  ProjectFolderFileSystem fs_;
  int warnings_ = -1;
};

TEST_F(ToolOutputTest, CountsAndRewritesEachKindOfLine) {
  const std::map<std::string, int> kModes = {{"compiler", kCompilerOutput}, {"linker", kLinkerOutput},
                                              {"fromelf", kFromElfOutput}};
  for (const testing::CaseRow& row : testing::ReadCaseFile("build/fixtures/tool_output_cases.txt")) {
    g_written.clear();
    EXPECT_EQ(Parse(row[3], kModes.at(row[0])), std::stoi(row[1])) << row[3];
    EXPECT_EQ(warnings_, std::stoi(row[2])) << row[3];
    EXPECT_EQ(g_written, std::vector<std::string>(row.begin() + 4, row.end())) << row[3];
  }
  EXPECT_EQ(fs_.current, "C:\\p");
  int warnings = 7;
  EXPECT_EQ(ParseToolOutput(nullptr, 10, kCompilerOutput, &warnings), 0);
  EXPECT_EQ(warnings, 7);
}

TEST_F(ToolOutputTest, OverlongFieldsAreCutNotOverflowed) {
  std::string file(400, 'f');
  std::string code(100, 'c');
  std::string message(5000, 'm');
  std::string text = "\"" + file + ".c\", line 7: Error:" + code + ":" + message + "\n";
  EXPECT_EQ(Parse(text, kCompilerOutput), 1);
  ASSERT_EQ(g_written.size(), 1u);
  std::string expected = ("C:\\p\\" + file).substr(0, kAbsolutePathLimit) + "(7): Error:" +
                         code.substr(0, kShortFieldLimit) + ":" + message.substr(0, kLongFieldLimit) + "\r\n";
  EXPECT_EQ(g_written[0], expected);

  g_written.clear();
  std::string first(1000, 'x');
  EXPECT_EQ(Parse(first + ": Error:" + code + ":" + message + "\n", kLinkerOutput), 1);
  ASSERT_EQ(g_written.size(), 1u);
  EXPECT_EQ(g_written[0], "(0): Error:" + code + ":" + message.substr(0, kLongFieldLimit) + "\r\n");
}

TEST_F(ToolOutputTest, EveryTruncationOfADiagnosticIsHandled) {
  std::string line = "\"main.c\", line 12: Error:  #20: identifier \"x\" is undefined\n";
  for (size_t n = 0; n < line.size(); ++n) {
    g_written.clear();
    int errors = Parse(line.substr(0, n), kCompilerOutput);
    EXPECT_EQ(errors, n == 0 ? 0 : 1) << n;
    EXPECT_EQ(g_written.size(), n == 0 ? 0u : 1u) << n;  // shown unchanged once
  }
}

// Counts, by the lines' own shape, the ARM-style diagnostics of a corpus file: a quoted
// file name, ", line", then the mark. ("no source": Error: ... has no line and is not one.)
void ExpectedCounts(const std::string& text, const std::string& errorMark, const std::string& warningMark,
                    int* errors, int* warnings) {
  std::istringstream lines(text);
  std::string line;
  *errors = *warnings = 0;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] != '"' || line.find("\", line ") == std::string::npos) continue;
    if (line.find(errorMark) != std::string::npos) ++*errors;
    if (line.find(warningMark) != std::string::npos) ++*warnings;
  }
}

std::string CorpusSamples(const std::string& name) {
  const char* corpus = std::getenv("ZRT_CORPUS_DIR");
  std::ifstream in(std::string(corpus ? corpus : "") + "/tool-output/" + name, std::ios::binary);
  std::string text, line;
  while (std::getline(in, line)) {
    if (line.rfind("###", 0) != 0) text += line + "\n";
  }
  return text;
}

TEST_F(ToolOutputTest, CompilerCorpusIsCountedLikeTheLinesSay) {
  std::string text = CorpusSamples("armcc.txt");
  ASSERT_FALSE(text.empty()) << "corpus not found; set ZRT_CORPUS_DIR";
  int errors, warnings;
  ExpectedCounts(text, ": Error:", ": Warning:", &errors, &warnings);
  ASSERT_GT(errors, 3);
  EXPECT_EQ(Parse(text, kCompilerOutput), errors);
  EXPECT_EQ(warnings_, warnings);
}

}  // namespace
}  // namespace zrt
