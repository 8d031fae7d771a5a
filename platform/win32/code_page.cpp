// The process's ANSI code page (CP_ACP) through the Win32 conversion functions.
#include "platform/code_page.h"

#include <windows.h>

#include <vector>

namespace zrt::platform {
namespace {

std::wstring Widen(UINT codePage, DWORD flags, const std::string& text) {
  if (text.empty()) return std::wstring();
  int n = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}

std::string Narrow(UINT codePage, const wchar_t* wide, int length, BOOL* usedDefault) {
  if (length == 0) return std::string();
  BOOL* flag = codePage == CP_UTF8 ? nullptr : usedDefault;
  int n = WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, flag);
  if (n <= 0) return std::string();
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, wide, length, &text[0], n, nullptr, flag);
  return text;
}

}  // namespace

bool AppendCodePointAsAnsi(uint32_t codePoint, std::string* out) {
  if (codePoint == 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return false;
  if (codePoint < 0x80) {
    out->push_back(static_cast<char>(codePoint));
    return true;
  }
  wchar_t wide[2];
  int length = 1;
  if (codePoint >= 0x10000) {
    codePoint -= 0x10000;
    wide[0] = static_cast<wchar_t>(0xD800 + (codePoint >> 10));
    wide[1] = static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
    length = 2;
  } else {
    wide[0] = static_cast<wchar_t>(codePoint);
  }
  BOOL usedDefault = FALSE;
  std::string bytes = Narrow(CP_ACP, wide, length, &usedDefault);
  if (bytes.empty() || usedDefault) return false;
  out->append(bytes);
  return true;
}

std::string Utf8ToAnsi(const std::string& utf8) {
  // Malformed UTF-8 arrives here as U+FFFD, which CP_ACP maps to the default '?'.
  std::wstring wide = Widen(CP_UTF8, 0, utf8);
  std::string out;
  BOOL usedDefault = FALSE;
  size_t start = 0;
  // Runs of 16-bit characters are converted at once; a surrogate pair is converted on its
  // own so that a character the code page lacks becomes one '?', not one per half.
  for (size_t i = 0; i <= wide.size(); ++i) {
    bool pair = i + 1 < wide.size() && IS_HIGH_SURROGATE(wide[i]) && IS_LOW_SURROGATE(wide[i + 1]);
    if (i < wide.size() && !pair) continue;
    out += Narrow(CP_ACP, wide.data() + start, static_cast<int>(i - start), &usedDefault);
    if (pair) {
      uint32_t codePoint = 0x10000 + ((static_cast<uint32_t>(wide[i]) - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      if (!AppendCodePointAsAnsi(codePoint, &out)) out += '?';
      ++i;
      start = i + 1;
    }
  }
  return out;
}

std::string AnsiToUtf8(const std::string& ansi) {
  std::wstring wide = Widen(CP_ACP, 0, ansi);
  return Narrow(CP_UTF8, wide.data(), static_cast<int>(wide.size()), nullptr);
}

}  // namespace zrt::platform
