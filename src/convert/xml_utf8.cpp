#include "src/convert/xml_utf8.h"

#include <cstdint>

#include "platform/code_page.h"

namespace zrt::xml {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char kReplacement = '?';

// Length (1 to 4) of the well-formed UTF-8 sequence at s, storing its code point; 0 when
// the sequence is malformed, truncated, overlong, a surrogate or beyond U+10FFFF.
size_t DecodeUtf8(const unsigned char* s, size_t left, uint32_t* codePoint) {
  static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  unsigned char lead = s[0];
  size_t length;
  uint32_t value;
  if (lead < 0x80) {
    *codePoint = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
  } else {
    return 0;
  }
  if (left < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((s[i] & 0xC0) != 0x80) return 0;
    value = value << 6 | (s[i] & 0x3F);
  }
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *codePoint = value;
  return length;
}

}  // namespace

std::string Utf8FileToAnsi(const std::string& bytes) {
  size_t begin = bytes.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  std::string ansi;
  ansi.reserve(bytes.size() - begin);
  for (size_t i = begin; i < bytes.size();) {
    uint32_t codePoint;
    size_t length = DecodeUtf8(s + i, bytes.size() - i, &codePoint);
    if (length == 0) return bytes.substr(begin);
    if (length == 1) {
      ansi.push_back(static_cast<char>(codePoint));
    } else if (!platform::AppendCodePointAsAnsi(codePoint, &ansi)) {
      ansi.push_back(kReplacement);
    }
    i += length;
  }
  return ansi;
}

}  // namespace zrt::xml
