// printf-style formatting into a string of any length.
#pragma once

#include <string>

namespace zrt::tools {

// The text printf would print for format and its arguments.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace zrt::tools
