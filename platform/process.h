// Running a program and capturing what it prints, as the host's RunCommand and the
// tests of the tool emulator need it.
#pragma once

#include <string>

namespace zrt::platform {

// Runs a Windows-style command line (program path, possibly quoted, then arguments split
// by the C runtime's rules, see command_line.h) with workingDirectory as its current
// directory (the caller's own when empty) and standard input empty. Waits for it to end;
// *output receives everything it wrote to stdout and stderr, in the order written, and
// *exitCode its exit status (on POSIX 128 + the signal number when a signal ended it).
// Answers false, with *error set and *output empty, when the program cannot be started.
bool RunProcess(const std::string& commandLine, const std::string& workingDirectory, std::string* output, int* exitCode,
                std::string* error);

}  // namespace zrt::platform
