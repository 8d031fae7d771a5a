#include "src/config/value_scanner.h"

#include <cctype>
#include <climits>

namespace zrt {
namespace {

// Magnitudes are saturated here, well above every 32-bit result, so that no digit run
// can overflow the accumulator.
constexpr uint64_t kMagnitudeLimit = uint64_t{1} << 40;

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

void SkipBlanks(const char*& p) {
  while (*p != '\0' && IsBlank(*p)) ++p;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool HasHexPrefix(const char* p) { return p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && DigitValue(p[2]) < 16; }

// An optionally signed number as strtol reads it: base 16 allows a "0x" prefix, base 0
// chooses 16, 8 or 10 by the prefix. False (p unchanged) when no digit follows.
bool ReadNumber(const char*& p, int base, bool* negative, uint64_t* magnitude) {
  const char* q = p;
  SkipBlanks(q);
  *negative = *q == '-';
  if (*q == '-' || *q == '+') ++q;
  if ((base == 16 || base == 0) && HasHexPrefix(q)) {
    q += 2;
    base = 16;
  } else if (base == 0) {
    base = *q == '0' ? 8 : 10;
  }
  if (DigitValue(*q) >= base) return false;
  uint64_t value = 0;
  for (; DigitValue(*q) < base; ++q) {
    value = value * base + DigitValue(*q);
    if (value > kMagnitudeLimit) value = kMagnitudeLimit;
  }
  *magnitude = value;
  p = q;
  return true;
}

int ClampToInt(bool negative, uint64_t magnitude) {
  if (negative) return magnitude >= uint64_t{1} << 31 ? INT_MIN : -static_cast<int>(magnitude);
  return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

uint32_t WrapToUnsigned(bool negative, uint64_t magnitude) {
  uint32_t value = magnitude > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(magnitude);
  return negative ? 0u - value : value;
}

// A scanset after "%[": the characters up to the closing "]" (a "]" right after "[" or
// "[^" belongs to the set). f is left after the "]"; false when the set is not closed.
bool ReadScanset(const char*& f, bool* negated, std::string* set) {
  *negated = *f == '^';
  if (*negated) ++f;
  const char* start = f;
  if (*f == ']') ++f;
  while (*f != '\0' && *f != ']') ++f;
  if (*f != ']') return false;
  set->assign(start, f);
  ++f;
  return true;
}

// Where a conversion stores its value; all null for a suppressed conversion.
struct Destination {
  std::string* text = nullptr;
  int* number = nullptr;
  uint32_t* address = nullptr;
};

Destination DestinationOf(const ScanTarget* target) {
  Destination d;
  if (target == nullptr) return d;
  if (auto* text = std::get_if<std::string*>(target)) d.text = *text;
  if (auto* number = std::get_if<int*>(target)) d.number = *number;
  if (auto* address = std::get_if<uint32_t*>(target)) d.address = *address;
  return d;
}

// Reads one conversion whose letter f points at into to. false on a mismatch.
bool Convert(const char*& f, const char*& p, const Destination& to) {
  char letter = *f++;
  bool negative = false;
  uint64_t magnitude = 0;
  switch (letter) {
    case 'd':
    case 'i':
      if (!ReadNumber(p, letter == 'd' ? 10 : 0, &negative, &magnitude)) return false;
      if (to.number) *to.number = ClampToInt(negative, magnitude);
      return true;
    case 'x':
      if (!ReadNumber(p, 16, &negative, &magnitude)) return false;
      if (to.address) *to.address = WrapToUnsigned(negative, magnitude);
      return true;
    case 's': {
      SkipBlanks(p);
      const char* start = p;
      while (*p != '\0' && !IsBlank(*p)) ++p;
      if (p == start) return false;
      if (to.text) to.text->assign(start, p);
      return true;
    }
    case '[': {
      bool negated = false;
      std::string set;
      if (!ReadScanset(f, &negated, &set)) return false;
      const char* start = p;
      while (*p != '\0' && (set.find(*p) != std::string::npos) != negated) ++p;
      if (p == start) return false;
      if (to.text) to.text->assign(start, p);
      return true;
    }
    default:
      return false;
  }
}

// True when the conversion letter stores into the target's type.
bool Fits(char letter, const ScanTarget& target) {
  if (letter == 'd' || letter == 'i') return std::holds_alternative<int*>(target);
  if (letter == 'x') return std::holds_alternative<uint32_t*>(target);
  return std::holds_alternative<std::string*>(target);
}

}  // namespace

int ScanValue(const char* text, const char* format, const std::vector<ScanTarget>& targets) {
  if (text == nullptr || format == nullptr) return 0;
  const char* p = text;
  int stored = 0;
  for (const char* f = format; *f != '\0';) {
    if (IsBlank(*f)) {
      SkipBlanks(p);
      ++f;
      continue;
    }
    if (*f != '%' || f[1] == '%') {
      if (*f == '%') ++f;
      if (*p != *f) return stored;
      ++p;
      ++f;
      continue;
    }
    ++f;
    bool suppressed = *f == '*';
    if (suppressed) ++f;
    if (*p == '\0') return stored;
    const ScanTarget* target = nullptr;
    if (!suppressed) {
      if (static_cast<size_t>(stored) >= targets.size() || !Fits(*f, targets[stored])) return stored;
      target = &targets[stored];
    }
    if (!Convert(f, p, DestinationOf(target))) return stored;
    if (!suppressed) ++stored;
  }
  return stored;
}

}  // namespace zrt
