#include "tools/common/messages.h"

#include "tools/common/console.h"

namespace zrt::tools {
namespace {

const char* SeverityWord(Severity severity) {
  switch (severity) {
    case Severity::kWarning:
      return "Warning";
    case Severity::kError:
      return "Error";
    case Severity::kFatal:
      break;
  }
  return "Fatal error";
}

// "<n> <noun>" with an "s" unless n is 1.
std::string Counted(int n, const std::string& noun) { return std::to_string(n) + " " + noun + (n == 1 ? "" : "s"); }

}  // namespace

std::string SourceLocation(const std::string& file, int line) {
  std::string location = "\"" + file + "\"";
  if (line > 0) location += ", line " + std::to_string(line);
  return location;
}

std::string FormatMessage(const Message& message) {
  std::string line = message.location.empty() ? "" : message.location + ": ";
  line += SeverityWord(message.severity);
  // The compiler front end's numbered messages carry two blanks before the '#'.
  line += !message.code.empty() && message.code[0] == '#' ? ":  " : ": ";
  return line + message.code + ": " + message.text;
}

void Reporter::Report(const Message& message) {
  PrintError(FormatMessage(message));
  switch (message.severity) {
    case Severity::kWarning:
      ++counts_.warnings;
      break;
    case Severity::kError:
      ++counts_.errors;
      break;
    case Severity::kFatal:
      ++counts_.fatals;
      break;
  }
}

void Reporter::Continue(const std::string& line) { PrintError(line); }

std::string CompilerSummary(const std::string& source, const MessageCounts& counts) {
  return source + ": " + Counted(counts.warnings, "warning") + ", " + Counted(counts.errors + counts.fatals, "error");
}

std::string AssemblerSummary(const MessageCounts& counts) {
  return Counted(counts.errors + counts.fatals, "Error") + ", " + Counted(counts.warnings, "Warning");
}

std::string FinishedLine(const MessageCounts& counts) {
  std::string line = "Finished: 0 information, " + std::to_string(counts.warnings) + " warning";
  if (counts.fatals == 0) return line + " and " + std::to_string(counts.errors) + " error messages.";
  return line + ", " + std::to_string(counts.errors) + " error and " + std::to_string(counts.fatals) +
         " fatal error messages.";
}

}  // namespace zrt::tools
