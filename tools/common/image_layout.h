// Where the linker puts each input module's code and data: the regions of a scatter
// description (or of the default layout), their addresses and their sizes.
//
// The emulator has no real sections. A module of n bytes stands for n / 2 bytes of
// code, n / 8 of read-only data, n / 32 of read-write data and n / 4 of zero-initialised
// data, each rounded up to 4, so the sizes follow the inputs deterministically.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/scatter_file.h"

namespace zrt::tools {

// The sizes one input module (an object, or a member of a library) contributes.
struct ModuleSizes {
  std::string name;
  uint32_t code = 0;
  uint32_t roData = 0;
  uint32_t rwData = 0;
  uint32_t ziData = 0;
};

// An execution region after placement.
struct PlacedRegion {
  std::string name;
  uint32_t execAddress = 0;
  uint32_t loadAddress = 0;
  uint32_t readOnly = 0;   // code and read-only data
  uint32_t readWrite = 0;  // initialised data, stored in the load region too
  uint32_t zeroInit = 0;
  bool hasMaxSize = false;
  uint32_t maxSize = 0;
  std::vector<std::string> modules;  // modules with a part here, in input order
};

struct PlacedLoadRegion {
  std::string name;
  uint32_t address = 0;
  uint32_t size = 0;  // bytes stored: read-only and read-write parts of its regions
  bool hasMaxSize = false;
  uint32_t maxSize = 0;
  std::vector<PlacedRegion> regions;
};

struct ImageLayout {
  std::vector<PlacedLoadRegion> loadRegions;
  std::vector<std::string> overflows;  // texts of regions larger than their limit
};

// The sizes of a module of fileSize bytes (see above).
ModuleSizes SizesOfModule(const std::string& name, uint64_t fileSize);
// The sums of all modules' sizes; name is "".
ModuleSizes TotalSizes(const std::vector<ModuleSizes>& modules);

// True when a scatter module pattern ('*' and '?' wildcards, case-insensitive) matches
// a module name.
bool ModuleMatches(const std::string& pattern, const std::string& name);

// True for the ".ANY" pattern (any case), which places what no other pattern names.
bool IsAnyPattern(const std::string& pattern);

// The description used without a scatter file: load region LR_1 at roBase holding
// ER_RO, then ER_RW (at rwBase when given) and ER_ZI.
ScatterDescription DefaultDescription(uint32_t roBase, bool hasRwBase, uint32_t rwBase);

// Places each module's read-only, read-write and zero-initialised parts in the first
// region with an input description that selects that kind of part (a selector such as
// +RO, or none) and names the module: by its exact name first, then by a wildcard
// pattern, then ".ANY". Parts no description takes go to the first region (read-only)
// or beside the module's read-only part (data). Then gives the
// regions their addresses and notes those that outgrow their limits. A description
// without an execution region in its first load region (which ParseScatterFile never
// answers) places nothing.
ImageLayout PlaceModules(const ScatterDescription& description, const std::vector<ModuleSizes>& modules);

}  // namespace zrt::tools
