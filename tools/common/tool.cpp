#include "tools/common/tool.h"

#include "tools/common/console.h"
#include "tools/common/files.h"

namespace zrt::tools {
namespace {

void PrintHelp(const ToolProfile& tool, const OptionTable& table) {
  WriteOut(Banner(tool) + "\n" + "It accepts the real " + tool.name + "'s options and writes the files " + tool.name +
           " writes, with placeholder content.\n\n" + "Usage: " + tool.name + " " + tool.usage + "\n\nOptions:\n" +
           OptionHelp(table));
}

// The message for a command line that ParseArguments refused.
Message ParseFailure(const ToolProfile& tool, const ParseResult& result) {
  switch (result.status) {
    case ParseStatus::kMissingArgument:
      return {"", Severity::kFatal, tool.missingArgument, "Missing argument for option '" + result.subject + "'."};
    case ParseStatus::kViaUnreadable:
      return {"", Severity::kFatal, tool.viaUnreadable, "Could not open via file '" + result.subject + "'."};
    case ParseStatus::kViaMalformed:
      return {"", Severity::kFatal, tool.viaMalformed, "Malformed via file '" + result.subject + "'."};
    case ParseStatus::kUnknownOption:
    case ParseStatus::kOk:
      break;
  }
  return {"", Severity::kFatal, tool.unknownOption, "Unrecognized option '" + result.subject + "'."};
}

}  // namespace

std::string Banner(const ToolProfile& tool) {
  return std::string("ZRTSettings ARM tool emulator: ") + tool.name + " stand-in, not " + tool.stands + ".";
}

bool StartTool(const ToolProfile& tool, const OptionTable& table, int argc, char** argv, CommandLine* commandLine,
               int* exitCode) {
  *exitCode = 0;
  std::vector<std::string> arguments(argv + 1, argv + argc);
  ParseResult result = ParseArguments(arguments, table, commandLine);
  if (result.status != ParseStatus::kOk) {
    Reporter reporter;
    reporter.Report(ParseFailure(tool, result));
    *exitCode = FinishTool(tool, reporter.Counts());
    return false;
  }
  if (arguments.empty() || commandLine->Has(kHelpOption)) {
    PrintHelp(tool, table);
    return false;
  }
  if (commandLine->Has(kVersionOption)) {
    PrintOut(Banner(tool));
    PrintOut(std::string("Tool: ") + tool.name + " [ZRTSettings emulator]");
    return false;
  }
  return true;
}

int RunTool(const ToolProfile& tool, const OptionTable& table, int argc, char** argv,
            int (*run)(const CommandLine& commandLine)) {
  CommandLine commandLine;
  int exitCode = 0;
  return StartTool(tool, table, argc, argv, &commandLine, &exitCode) ? run(commandLine) : exitCode;
}

int FinishTool(const ToolProfile& tool, const MessageCounts& counts) {
  if (counts.Any()) {
    if (tool.closing == Closing::kAssemblerCounts) PrintError(AssemblerSummary(counts));
    if (tool.closing == Closing::kFinishedLine) PrintError(FinishedLine(counts));
  }
  return counts.Failed() ? 1 : 0;
}

bool WriteToolOutput(const ToolProfile& tool, Reporter& reporter, const std::string& path, const std::string& content) {
  std::string reason;
  if (WriteOutputFile(path, content, &reason)) return true;
  reporter.Report({"", Severity::kFatal, tool.writeFailure, "Could not create output file '" + path + "': " + reason});
  return false;
}

int FailTool(const ToolProfile& tool, Reporter& reporter, const std::string& code, const std::string& text) {
  reporter.Report({"", Severity::kFatal, code, text});
  return FinishTool(tool, reporter.Counts());
}

}  // namespace zrt::tools
