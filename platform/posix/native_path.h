// Paths between the Windows-style world of the plug-in, its hosts and its tools ('\', the
// ANSI code page) and the POSIX file system ('/', UTF-8 names), as the Windows "A"
// functions take paths in the ANSI code page.
#pragma once

#include <string>

namespace zrt::platform {

// An ANSI path as the file system names it: '\' read as '/', text in UTF-8.
std::string NativePath(std::string ansiPath);
// A path or name from the file system in ANSI: '/' written as '\', text in the ANSI code
// page (a character it cannot hold becomes '?').
std::string AnsiPath(std::string nativePath);

}  // namespace zrt::platform
