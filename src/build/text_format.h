// printf-style formatting into a std::string, for the build log lines.
#pragma once

#include <string>

namespace zrt {

// The text printf would write for format and the arguments; never cut.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace zrt
