// Reading section values by their scanf-style grammars ("%d,%x,%x,%d", "%d,%[^)])", ...)
// without the C library's scanf: every conversion is bounded, numbers saturate instead of
// overflowing, and texts go into std::string, so no stored value can overrun a buffer.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace zrt {

// Where one conversion stores its value: %d and %i into int, %x into uint32_t, %s and
// %[...] into std::string.
using ScanTarget = std::variant<int*, uint32_t*, std::string*>;

// Reads text as sscanf reads it with format and answers the number of values stored:
// conversions %d, %i, %x, %s, %[set], %[^set] (each also as %*... without storing),
// blanks matching any run of white space, every other character matching itself. The
// scan stops at the first mismatch, at the end of text, or at a target of the wrong
// type; targets after that point keep their values. A null text or format reads nothing.
int ScanValue(const char* text, const char* format, const std::vector<ScanTarget>& targets);

}  // namespace zrt
