// Turns the captured console output of the ARM tools into build output lines: tool
// diagnostics are recognised, rewritten as "path(line):kind:code:message" with an
// absolute path, and counted.
#pragma once

namespace zrt {

enum ToolOutputMode {
  kCompilerOutput = 0,  // armcc, armasm
  kLinkerOutput = 1,    // armlink, armar
  kFromElfOutput = 2,   // fromelf
};

// Field limits of a diagnostic line. A longer field is cut to its limit (the rest of the
// field is skipped) and the line still counts as a diagnostic.
constexpr int kFileFieldLimit = 259;
constexpr int kShortFieldLimit = 63;
constexpr int kLongFieldLimit = 2047;
constexpr int kLinkerFirstFieldLimit = 323;
constexpr int kAbsolutePathLimit = 260;

// Writes the recognised diagnostics of text (length bytes) to the build output and
// answers the number of errors; *warnings receives the warnings. Output without any
// recognised diagnostic is written unchanged and counts as one error (linker output that
// begins with "Program Size" excepted). A null text answers 0 and leaves *warnings alone.
int ParseToolOutput(const char* text, int length, int mode, int* warnings);

}  // namespace zrt
