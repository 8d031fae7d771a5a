// What every emulated tool does the same way: its banner, --help and --vsn, the
// messages for a command line it cannot accept, and its closing line and exit code.
#pragma once

#include <string>

#include "tools/common/messages.h"
#include "tools/common/options.h"

namespace zrt::tools {

// The line a tool prints after its messages.
enum class Closing { kNone, kAssemblerCounts, kFinishedLine };

// Who a tool is and the message codes of its command-line errors.
struct ToolProfile {
  const char* name;             // "armcc"
  const char* stands;           // what it is not: "a compiler"
  const char* usage;            // "[options] -c source"
  const char* unknownOption;    // "C3900U"
  const char* missingArgument;  // "C3901U"
  const char* viaUnreadable;    // "C3904U"
  const char* viaMalformed;     // "C3906U"
  const char* writeFailure;     // an output file cannot be written
  Closing closing;
};

// The first line of --help and --vsn: says plainly that the program is an emulator.
std::string Banner(const ToolProfile& tool);

// Parses the program's arguments. Answers true when the tool should go on with
// *commandLine; otherwise it has printed the help text (no arguments, --help), the
// version (--vsn) or the message for a bad command line, and *exitCode is the code to
// exit with.
bool StartTool(const ToolProfile& tool, const OptionTable& table, int argc, char** argv, CommandLine* commandLine,
               int* exitCode);

// The whole of a tool's main: StartTool, then run with the command line; answers the
// exit code.
int RunTool(const ToolProfile& tool, const OptionTable& table, int argc, char** argv,
            int (*run)(const CommandLine& commandLine));

// Prints the tool's closing line when anything was reported and answers the exit code:
// 1 after an error or fatal error, else 0.
int FinishTool(const ToolProfile& tool, const MessageCounts& counts);

// Writes an output file (see WriteOutputFile); reports the tool's write failure as a
// fatal error and answers false when it cannot.
bool WriteToolOutput(const ToolProfile& tool, Reporter& reporter, const std::string& path, const std::string& content);

// Reports a fatal error without location and answers FinishTool's exit code.
int FailTool(const ToolProfile& tool, Reporter& reporter, const std::string& code, const std::string& text);

}  // namespace zrt::tools
