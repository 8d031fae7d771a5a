// Intel HEX-32 text, as fromelf --i32 writes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zrt::tools {

// Bytes to be placed at an address.
struct HexBlock {
  uint32_t address;
  std::string bytes;
};

// The HEX text of blocks ('\n' line ends): an extended linear address record (type 04)
// wherever the upper half of the address changes, data records (00) of up to 16 bytes
// that never cross a 64 KB boundary, a start linear address record (05) with entry,
// and the end record (01).
std::string MakeIntelHex(const std::vector<HexBlock>& blocks, uint32_t entry);

}  // namespace zrt::tools
