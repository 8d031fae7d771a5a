// What the build steps share: the capture buffers, running a tool through the host and
// reporting a run that failed, and the refusal when no tool chain was found.
#pragma once

#include <string>

namespace zrt {

// Size of the buffer every tool's captured output lands in.
constexpr int kBuildBufferSize = 0x14000;
// Size of the buffer a user command's output lands in.
constexpr int kUserCommandBufferSize = 8192;

// The line written when the host could not run a command (one %d: the exit code); the
// link step ends it with "\r\n", every other step with "\n".
constexpr char kRunFailedLine[] = "--- Error: User command terminated,Exit code = %d\n";
constexpr char kLinkRunFailedLine[] = "--- Error: User command terminated,Exit code = %d\r\n";

// The process-wide build buffer (kBuildBufferSize bytes).
char* BuildBuffer();

// The length of the text captured in buffer: up to its first NUL, at most size.
int CapturedLength(const char* buffer, int size);

// Runs command through the host in directory, capturing into buffer (which the host call
// zero-fills first); a failed run writes failedLine with the exit code. Answers false when
// the host could not run the command.
bool RunTool(const std::string& command, const std::string& directory, char* buffer, int size,
             const char* failedLine);

// text in double quotes.
std::string Quoted(const std::string& text);

// Writes text to the build output.
void WriteLine(const std::string& text);

// The message box shown when build or compile is asked for without a tool chain.
void ShowToolChainMissing();

// A message box with an OK button and a warning icon.
void ShowWarning(const char* text);

}  // namespace zrt
