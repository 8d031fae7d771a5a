// Conversion between the ANSI code page (CP_ACP on Windows, GBK on POSIX) and Unicode.
#pragma once

#include <cstdint>
#include <string>

namespace zrt::platform {

// Appends the ANSI bytes of one Unicode code point to out; false (out unchanged) when the
// code page cannot represent it or the code point is invalid.
bool AppendCodePointAsAnsi(uint32_t codePoint, std::string* out);

// UTF-8 text to ANSI; a character the code page cannot hold, and a malformed UTF-8
// sequence (a truncated character or a stray byte), becomes '?'.
std::string Utf8ToAnsi(const std::string& utf8);

// ANSI text to UTF-8; a byte sequence that is not valid in the code page becomes U+FFFD.
std::string AnsiToUtf8(const std::string& ansi);

}  // namespace zrt::platform
