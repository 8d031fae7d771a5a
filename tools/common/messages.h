// Diagnostics in the ARM tools' formats:
//   "<file>", line <n>: Error:  #35: <text>      (compiler front end: two blanks before '#')
//   "<file>", line <n>: Warning: A1546W: <text>  (other codes: one blank)
//   Fatal error: L6002U: <text>                   (no location)
// and the closing lines each tool prints after them.
#pragma once

#include <string>

namespace zrt::tools {

enum class Severity { kWarning, kError, kFatal };

// One diagnostic; location is "" or an already formatted place (SourceLocation).
struct Message {
  std::string location;
  Severity severity;
  std::string code;
  std::string text;
};

// Counts of the messages reported so far.
struct MessageCounts {
  int warnings = 0;
  int errors = 0;
  int fatals = 0;
  // True when an error or a fatal error was reported.
  bool Failed() const { return errors + fatals > 0; }
  // True when any message was reported.
  bool Any() const { return warnings + errors + fatals > 0; }
};

// "\"<file>\", line <n>", or "\"<file>\"" when line is 0.
std::string SourceLocation(const std::string& file, int line);
// The message as one line, without line end.
std::string FormatMessage(const Message& message);

// Prints messages to stderr and counts them.
class Reporter {
 public:
  // Prints and counts one message.
  void Report(const Message& message);
  // Prints a line that belongs to the previous message (an echoed source line).
  void Continue(const std::string& line);
  // The counts so far.
  const MessageCounts& Counts() const { return counts_; }

 private:
  MessageCounts counts_;
};

// The compiler's per-file summary, "main.c: 1 warning, 2 errors".
std::string CompilerSummary(const std::string& source, const MessageCounts& counts);
// The assembler's summary, "1 Error, 0 Warnings" (fatal errors count as errors).
std::string AssemblerSummary(const MessageCounts& counts);
// The linker family's closing line, "Finished: 0 information, 1 warning and 0 error messages."
// The emulator issues no information messages, so that count is always 0.
std::string FinishedLine(const MessageCounts& counts);

}  // namespace zrt::tools
