#include "src/convert/xml_text.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>

#include "src/convert/xml_character_class.h"

namespace zrt::xml {
namespace {

struct NamedReference {
  const char* name;  // after '&', with the ';'
  size_t length;
  char character;
};

constexpr NamedReference kNamedReferences[] = {
    {"lt;", 3, '<'}, {"amp;", 4, '&'}, {"gt;", 3, '>'}, {"apos;", 5, '\''}, {"quot;", 5, '"'},
};

// A ';' must lie among the first 8 characters after "&#" or "&#x".
constexpr size_t kNumericReach = 8;

int DigitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decodes "&#digits;" or "&#xhex;" at amp into out as the C runtime converts the character
// under the current locale; returns the bytes used, 0 when it is no decodable reference.
size_t DecodeNumeric(const char* amp, const char* end, std::string* out) {
  int base = 10;
  const char* digits = amp + 2;
  if (digits < end && *digits == 'x') {
    base = 16;
    ++digits;
  }
  const char* limit = digits + std::min(kNumericReach, static_cast<size_t>(end - digits));
  unsigned long value = 0;  // at most 7 digits: no overflow
  const char* q = digits;
  for (; q < limit && DigitValue(*q, base) >= 0; ++q) value = value * base + DigitValue(*q, base);
  if (q == digits || q == limit || *q != ';') return 0;
  if (value == 0 || value > static_cast<unsigned long>(WCHAR_MAX)) return 0;
  char buffer[MB_LEN_MAX];
  std::mbstate_t state{};
  size_t n = std::wcrtomb(buffer, static_cast<wchar_t>(value), &state);
  if (n == static_cast<size_t>(-1) || n == 0) return 0;
  out->append(buffer, n);
  return static_cast<size_t>(q + 1 - amp);
}

// Decodes the reference at amp into out; returns the bytes used, 0 when there is none.
size_t DecodeReference(const char* amp, const char* end, std::string* out) {
  const char* name = amp + 1;
  if (name < end && *name == '#') return DecodeNumeric(amp, end, out);
  for (const NamedReference& reference : kNamedReferences) {
    if (static_cast<size_t>(end - name) >= reference.length &&
        std::memcmp(name, reference.name, reference.length) == 0) {
      out->push_back(reference.character);
      return reference.length + 1;
    }
  }
  return 0;
}

// End of an attribute name (or of the tag name before the attributes).
const char* AttributeNameEnd(const char* p) {
  while (!Is(*p, kAttributeEnd)) ++p;
  return p;
}

const char* SkipWhiteSpace(const char* p) {
  while (Is(*p, kWhiteSpace)) ++p;
  return p;
}

}  // namespace

const char* NameEnd(const char* name) {
  const char* q = name;
  for (;;) {
    uint16_t cls = kCharacterClass[static_cast<unsigned char>(*q)];
    if (cls & kNameEnd) return q;
    q += cls & kLeadByte ? CharacterLength(q) : 1;
  }
}

bool NameMatches(const char* name, const char* requested) {
  size_t n = static_cast<size_t>(NameEnd(name) - name);
  for (size_t i = 0; i < n; ++i) {
    if (requested[i] != name[i]) return false;  // also stops at the end of requested
  }
  return Is(requested[n], kNameFollow);
}

void AppendDecoded(const char* begin, const char* end, std::string* out) {
  while (begin < end) {
    const void* found = std::memchr(begin, '&', end - begin);
    if (!found) break;
    const char* amp = static_cast<const char*>(found);
    out->append(begin, amp);
    size_t used = DecodeReference(amp, end, out);
    if (used == 0) {
      out->push_back('&');
      used = 1;
    }
    begin = amp + used;
  }
  out->append(begin, end);
}

std::string FindAttribute(const char* tag, const char* name) {
  if (!name) return std::string();
  const char* p = AttributeNameEnd(tag);  // the tag name is skipped
  for (;;) {
    p = SkipWhiteSpace(p);
    if (*p == '>' || *p == '/' || *p == '?' || *p == '\0') return std::string();
    const char* attribute = p;
    const char* attributeEnd = AttributeNameEnd(p);
    p = SkipWhiteSpace(attributeEnd);
    if (*p != '=') {
      if (NameMatches(attribute, name)) return std::string(attribute, attributeEnd);
      continue;
    }
    p = SkipWhiteSpace(p + 1);
    const char* value = p;
    const char* valueEnd;
    if (*p == '"' || *p == '\'') {
      value = p + 1;
      valueEnd = value + std::strcspn(value, *p == '"' ? "\"" : "'");  // unclosed: to the end
      p = *valueEnd ? valueEnd + 1 : valueEnd;
    } else {
      while (*p != '\0' && *p != '>' && !Is(*p, kWhiteSpace)) ++p;
      valueEnd = p;
    }
    if (NameMatches(attribute, name)) {
      std::string decoded;
      AppendDecoded(value, valueEnd, &decoded);
      return decoded;
    }
  }
}

}  // namespace zrt::xml
