// Handing a text to a buffer the host supplied.
#pragma once

#include <cstring>
#include <string>

namespace zrt {

// Copies text into buffer (size bytes), cut to size - 1 bytes and always NUL-terminated;
// nothing is written when size is 0 or buffer is null.
inline void CopyText(const std::string& text, char* buffer, unsigned size) {
  if (buffer == nullptr || size == 0) return;
  size_t length = text.size() < size ? text.size() : size - 1;
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

}  // namespace zrt
