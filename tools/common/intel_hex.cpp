#include "tools/common/intel_hex.h"

#include <algorithm>

namespace zrt::tools {
namespace {

constexpr size_t kRecordBytes = 16;

// One record: ":", count, address, type, data, checksum (two's complement of the sum).
std::string Record(uint32_t offset, int type, const std::string& data) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string fields;
  fields += static_cast<char>(data.size());
  fields += static_cast<char>((offset >> 8) & 0xFF);
  fields += static_cast<char>(offset & 0xFF);
  fields += static_cast<char>(type);
  fields += data;
  unsigned sum = 0;
  for (char c : fields) sum += static_cast<unsigned char>(c);
  fields += static_cast<char>((0x100 - (sum & 0xFF)) & 0xFF);
  std::string line = ":";
  for (char c : fields) {
    line += kDigits[(static_cast<unsigned char>(c) >> 4) & 0xF];
    line += kDigits[static_cast<unsigned char>(c) & 0xF];
  }
  return line + "\n";
}

std::string BigEndian(uint32_t value, int bytes) {
  std::string text;
  for (int i = bytes - 1; i >= 0; --i) text += static_cast<char>((value >> (8 * i)) & 0xFF);
  return text;
}

}  // namespace

std::string MakeIntelHex(const std::vector<HexBlock>& blocks, uint32_t entry) {
  std::string text;
  bool haveUpper = false;
  uint32_t upper = 0;
  for (const HexBlock& block : blocks) {
    size_t done = 0;
    while (done < block.bytes.size()) {
      uint32_t address = block.address + static_cast<uint32_t>(done);
      if (!haveUpper || address >> 16 != upper) {
        upper = address >> 16;
        haveUpper = true;
        text += Record(0, 4, BigEndian(upper, 2));
      }
      size_t room = 0x10000 - (address & 0xFFFF);
      size_t count = std::min({kRecordBytes, block.bytes.size() - done, room});
      text += Record(address & 0xFFFF, 0, block.bytes.substr(done, count));
      done += count;
    }
  }
  text += Record(0, 5, BigEndian(entry, 4));
  return text + Record(0, 1, "");
}

}  // namespace zrt::tools
