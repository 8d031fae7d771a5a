// GBK (code page 936) through iconv.
#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>

namespace zrt::platform {
namespace {

constexpr const char* kAnsiName = "GBK";

// Converts in with one iconv descriptor; an unconvertible or invalid input sequence is
// replaced by `replacement` and skipped by `skip(in)` bytes. Returns false when the
// descriptor cannot be opened.
bool Convert(const char* to, const char* from, const std::string& in, const std::string& replacement,
             size_t (*skip)(const char*, size_t), std::string* out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char buffer[1024];
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out->append(buffer, dst - buffer);
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      // EILSEQ or EINVAL (truncated at the end): replace and step over the bad sequence.
      out->append(replacement);
      size_t n = skip(src, srcLeft);
      src += n;
      srcLeft -= n;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return true;
}

// Length of the malformed or unmappable UTF-8 sequence at s (at least 1 byte).
size_t SkipUtf8(const char* s, size_t left) {
  auto lead = static_cast<unsigned char>(*s);
  size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (n > left) n = left;
  for (size_t i = 1; i < n; ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return i;
  }
  return n;
}

// Length of an invalid GBK sequence at s: a lead byte with a bad trail byte counts as one.
size_t SkipAnsi(const char*, size_t) { return 1; }

// True when every byte is below 0x80: such text reads the same in UTF-8 and GBK, and
// most project texts (names, paths, options) are like that, so they skip iconv.
bool IsAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

bool AppendCodePointAsAnsi(uint32_t codePoint, std::string* out) {
  if (codePoint == 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return false;
  if (codePoint < 0x80) {
    out->push_back(static_cast<char>(codePoint));
    return true;
  }
  iconv_t cd = iconv_open(kAnsiName, "UTF-32LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char in[4] = {static_cast<char>(codePoint & 0xFF), static_cast<char>((codePoint >> 8) & 0xFF),
                static_cast<char>((codePoint >> 16) & 0xFF), 0};
  char buffer[8];
  char* src = in;
  size_t srcLeft = sizeof in;
  char* dst = buffer;
  size_t dstLeft = sizeof buffer;
  size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1) || dst == buffer) return false;
  out->append(buffer, dst - buffer);
  return true;
}

std::string Utf8ToAnsi(const std::string& utf8) {
  if (IsAscii(utf8)) return utf8;
  std::string out;
  if (!Convert(kAnsiName, "UTF-8", utf8, "?", SkipUtf8, &out)) return utf8;
  return out;
}

std::string AnsiToUtf8(const std::string& ansi) {
  if (IsAscii(ansi)) return ansi;
  std::string out;
  if (!Convert("UTF-8", kAnsiName, ansi, "\xEF\xBF\xBD", SkipAnsi, &out)) return ansi;
  return out;
}

}  // namespace zrt::platform
