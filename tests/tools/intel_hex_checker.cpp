#include "tests/tools/intel_hex_checker.h"

#include <sstream>
#include <vector>

namespace zrt::tools::testing {
namespace {

bool HexByte(const std::string& line, size_t at, uint8_t* value) {
  unsigned parsed = 0;
  for (size_t i = at; i < at + 2; ++i) {
    char c = line[i];
    int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) return false;
    parsed = parsed * 16 + static_cast<unsigned>(digit);
  }
  *value = static_cast<uint8_t>(parsed);
  return true;
}

// The bytes of one record line after ':'; false when it is not an even run of
// upper-case hex digits.
bool RecordBytes(const std::string& line, std::vector<uint8_t>* bytes) {
  if (line.size() < 11 || line[0] != ':' || line.size() % 2 == 0) return false;
  for (size_t at = 1; at < line.size(); at += 2) {
    uint8_t value = 0;
    if (!HexByte(line, at, &value)) return false;
    bytes->push_back(value);
  }
  return true;
}

}  // namespace

bool CheckIntelHex(const std::string& text, HexContent* content, std::string* problem) {
  std::istringstream lines(text);
  std::string line;
  uint32_t upper = 0;
  bool ended = false;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<uint8_t> bytes;
    unsigned sum = 0;
    if (!RecordBytes(line, &bytes)) {
      *problem = "line " + std::to_string(number) + " is not a record";
      return false;
    }
    for (uint8_t byte : bytes) sum += byte;
    if (ended || bytes[0] + 5u != bytes.size() || sum % 256 != 0) {
      *problem = "line " + std::to_string(number) + ": wrong count or checksum, or after the end record";
      return false;
    }
    static const int kCounts[] = {-1, 0, -1, -1, 2, 4};  // required count per record type
    if (bytes[3] < 6 && kCounts[bytes[3]] >= 0 && bytes[0] != kCounts[bytes[3]]) {
      *problem = "line " + std::to_string(number) + ": wrong count for its record type";
      return false;
    }
    uint32_t offset = static_cast<uint32_t>(bytes[1]) << 8 | bytes[2];
    const uint8_t* data = bytes.data() + 4;
    switch (bytes[3]) {
      case 0:
        for (size_t i = 0; i < bytes[0]; ++i) content->memory[(upper << 16) + offset + i] = data[i];
        break;
      case 1:
        ended = true;
        break;
      case 4:
        upper = static_cast<uint32_t>(data[0]) << 8 | data[1];
        ++content->extendedAddressRecords;
        break;
      case 5:
        content->hasEntry = true;
        content->entry = static_cast<uint32_t>(data[0]) << 24 | data[1] << 16 | data[2] << 8 | data[3];
        break;
      default:
        *problem = "line " + std::to_string(number) + ": unexpected record type";
        return false;
    }
  }
  if (!ended) *problem = "no end record";
  return ended;
}

}  // namespace zrt::tools::testing
