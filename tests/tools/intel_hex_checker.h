// An Intel HEX reader written for the tests, independent of the emulator's writer: it
// checks every record and rebuilds the memory the file describes.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace zrt::tools::testing {

// What a HEX file describes.
struct HexContent {
  std::map<uint32_t, uint8_t> memory;
  bool hasEntry = false;
  uint32_t entry = 0;
  int extendedAddressRecords = 0;
};

// Reads text (line ends "\n" or "\r\n"); false with *problem when a record is malformed,
// has a wrong checksum or count, or the end record is missing or not last.
bool CheckIntelHex(const std::string& text, HexContent* content, std::string* problem);

}  // namespace zrt::tools::testing
