// Windows command-line splitting, shared by the POSIX process runner (which must hand
// exec the arguments a Windows program would see) and by the tool emulator's response
// files.
#pragma once

#include <string>
#include <vector>

namespace zrt::platform {

// Splits a command line the way the Microsoft C runtime builds argv. The program name
// ends at the first blank outside double quotes, its quotes are dropped and its
// backslashes kept. In the arguments, 2n backslashes before a double quote give n
// backslashes and open or close a quoted part, 2n+1 give n backslashes and a literal
// quote, "" inside a quoted part gives one quote, other backslashes stay. Empty when
// the text is blank.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Splits argument text (a response file) by the argument rules above; line ends
// separate arguments like blanks.
std::vector<std::string> SplitArguments(const std::string& text);

}  // namespace zrt::platform
