// The operating system's text for the last failed file operation.
#pragma once

#include <string>

namespace zrt::xml {

// The system's message for the error of the last failed system call of this thread
// (errno on POSIX, GetLastError on Windows); call it right after the failure.
std::string LastSystemErrorText();

}  // namespace zrt::xml
