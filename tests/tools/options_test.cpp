// Option tables: the value forms, unknown options, missing values and via files.
#include "tools/common/options.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/platform/temp_folder.h"

namespace zrt::tools {
namespace {

enum { kOutput = kFirstToolOption, kInclude, kFlag, kOtime, kCpu };

const OptionTable kTable = {
    {"-o", Argument::kValue, kOutput, "output"}, {"-I", Argument::kValue, kInclude, "include"},
    {"-c", Argument::kNone, kFlag, "flag"},      {"-Otime", Argument::kNone, kOtime, "time"},
    {"--cpu", Argument::kValue, kCpu, "cpu"},
};

struct ParseCase {
  std::vector<std::string> arguments;
  std::vector<std::pair<int, std::string>> options;
  std::vector<std::string> inputs;
};

const ParseCase kParseCases[] = {
    {{"-o", "x.o", "-ox2.o", "main.c"}, {{kOutput, "x.o"}, {kOutput, "x2.o"}}, {"main.c"}},
    {{"-I", "a b", "-I..\\inc", "-c"}, {{kInclude, "a b"}, {kInclude, "..\\inc"}, {kFlag, ""}}, {}},
    {{"--cpu", "Cortex-M3", "--cpu=list", "--cpu="}, {{kCpu, "Cortex-M3"}, {kCpu, "list"}, {kCpu, ""}}, {}},
    {{"-Otime", "-", "x"}, {{kOtime, ""}}, {"-", "x"}},
    {{"-o", "-c"}, {{kOutput, "-c"}}, {}},
};

TEST(ParseArgumentsTest, ReadsEveryValueForm) {
  for (const ParseCase& row : kParseCases) {
    CommandLine commandLine;
    ParseResult result = ParseArguments(row.arguments, kTable, &commandLine);
    ASSERT_EQ(result.status, ParseStatus::kOk) << result.subject;
    std::vector<std::pair<int, std::string>> options;
    for (const ParsedOption& option : commandLine.options) options.emplace_back(option.id, option.value);
    EXPECT_EQ(options, row.options) << row.arguments[0];
    EXPECT_EQ(commandLine.inputs, row.inputs) << row.arguments[0];
  }
}

struct FailureCase {
  std::vector<std::string> arguments;
  ParseStatus status;
  const char* subject;
};

const FailureCase kFailureCases[] = {
    {{"-c", "--unknown"}, ParseStatus::kUnknownOption, "--unknown"},
    {{"-cx"}, ParseStatus::kUnknownOption, "-cx"},
    {{"-Otimes"}, ParseStatus::kUnknownOption, "-Otimes"},
    {{"main.c", "-o"}, ParseStatus::kMissingArgument, "o"},
    {{"--cpu"}, ParseStatus::kMissingArgument, "cpu"},
    {{"--via"}, ParseStatus::kMissingArgument, "via"},
};

TEST(ParseArgumentsTest, StopsAtTheFirstArgumentItCannotAccept) {
  for (const FailureCase& row : kFailureCases) {
    CommandLine commandLine;
    ParseResult result = ParseArguments(row.arguments, kTable, &commandLine);
    EXPECT_EQ(result.status, row.status) << row.subject;
    EXPECT_EQ(result.subject, row.subject);
  }
}

TEST(ParseArgumentsTest, ViaFilesInsertTheirArgumentsInPlace) {
  platform::testing::TempFolder folder;
  std::ofstream(folder.Path() / "outer.via")
      << "-c \"-I" << folder.Path().string() << "\"\n--via \"" << folder.Join("inner.via") << "\"\n";
  std::ofstream(folder.Path() / "inner.via") << "-o\r\n\"out put.o\" main.c";
  std::ofstream(folder.Path() / "loop.via") << "--via " << folder.Join("loop.via");
  CommandLine commandLine;
  ASSERT_EQ(ParseArguments({"--via", folder.Join("outer.via"), "last.c"}, kTable, &commandLine).status,
            ParseStatus::kOk);
  EXPECT_EQ(commandLine.Last(kOutput), "out put.o");
  EXPECT_TRUE(commandLine.Has(kFlag));
  EXPECT_EQ(commandLine.Last(kInclude), folder.Path().string());
  EXPECT_EQ(commandLine.inputs, (std::vector<std::string>{"main.c", "last.c"}));
  CommandLine looping;
  ParseResult result = ParseArguments({"--via=" + folder.Join("loop.via")}, kTable, &looping);
  EXPECT_EQ(result.status, ParseStatus::kViaMalformed);
  CommandLine missing;
  EXPECT_EQ(ParseArguments({"--via", folder.Join("none.via")}, kTable, &missing).status, ParseStatus::kViaUnreadable);
}

}  // namespace
}  // namespace zrt::tools
