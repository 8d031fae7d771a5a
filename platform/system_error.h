// The operating system's text for the last failed system call.
#pragma once

#include <string>

namespace zrt::platform {

// The system's message for the error of the last failed system call of this thread
// (errno on POSIX, GetLastError on Windows); call it right after the failure.
std::string LastSystemErrorText();

}  // namespace zrt::platform
