// The linker's listing: the parts --map, --symbols, --xref and --info ask for, in the
// layout of the real listing, with what the emulator knows (regions, module sizes).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/image_layout.h"

namespace zrt::tools {

// The parts asked for.
struct ListingContents {
  bool xref = false;
  bool unused = false;
  bool veneers = false;
  bool symbols = false;
  bool map = false;
  bool sizes = false;
  bool totals = false;
};

// The listing text ('\n' line ends); "" when no part is asked for.
std::string MakeLinkListing(const ListingContents& contents, const ImageLayout& layout,
                            const std::vector<ModuleSizes>& modules, uint32_t entry);

}  // namespace zrt::tools
