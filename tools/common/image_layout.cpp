#include "tools/common/image_layout.h"

#include <cctype>

namespace zrt::tools {
namespace {

enum class Part { kReadOnly, kReadWrite, kZeroInit };

// Section selectors that pick each kind of part.
struct SelectorSpec {
  const char* selector;
  Part part;
};
const SelectorSpec kSelectors[] = {
    {"+RO", Part::kReadOnly},  {"+RO-CODE", Part::kReadOnly},  {"+RO-DATA", Part::kReadOnly},
    {"+XO", Part::kReadOnly},  {"+CODE", Part::kReadOnly},     {"+CONST", Part::kReadOnly},
    {"+RW", Part::kReadWrite}, {"+RW-DATA", Part::kReadWrite}, {"+DATA", Part::kReadWrite},
    {"+ZI", Part::kZeroInit},  {"+BSS", Part::kZeroInit},
};

uint32_t Align4(uint64_t value) { return static_cast<uint32_t>((value + 3) / 4 * 4); }

bool SameLetters(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return i == a.size() && b[i] == '\0';
}

// True when the input description takes the part: no selectors, or one of its kind.
bool Selects(const InputSection& input, Part part) {
  if (input.selectors.empty()) return true;
  for (const std::string& selector : input.selectors) {
    for (const SelectorSpec& spec : kSelectors) {
      if (spec.part == part && SameLetters(selector, spec.selector)) return true;
    }
  }
  return false;
}

bool IsAny(const InputSection& input) { return IsAnyPattern(input.module); }

// A region by its position: load region index and execution region index.
struct RegionIndex {
  size_t load = 0;
  size_t execution = 0;
};

bool HasWildcard(const std::string& pattern) { return pattern.find_first_of("*?") != std::string::npos; }

// How closely an input description names a module: the more specific kinds win.
enum class Naming { kExactName, kWildcard, kAny };

bool Names(const InputSection& input, const std::string& module, Naming naming) {
  switch (naming) {
    case Naming::kExactName:
      return !IsAny(input) && !HasWildcard(input.module) && ModuleMatches(input.module, module);
    case Naming::kWildcard:
      return !IsAny(input) && HasWildcard(input.module) && ModuleMatches(input.module, module);
    case Naming::kAny:
      break;
  }
  return IsAny(input);
}

// The first region whose input descriptions name module in that way and select part.
bool FindRegion(const ScatterDescription& description, const std::string& module, Part part, Naming naming,
                RegionIndex* found) {
  for (size_t l = 0; l < description.loadRegions.size(); ++l) {
    const std::vector<ExecutionRegion>& regions = description.loadRegions[l].regions;
    for (size_t e = 0; e < regions.size(); ++e) {
      for (const InputSection& input : regions[e].inputs) {
        if (Names(input, module, naming) && Selects(input, part)) {
          *found = {l, e};
          return true;
        }
      }
    }
  }
  return false;
}

// The region for part: by exact name, by wildcard, by ".ANY", else fallback.
RegionIndex ChooseRegion(const ScatterDescription& description, const std::string& module, Part part,
                         RegionIndex fallback) {
  RegionIndex found;
  for (Naming naming : {Naming::kExactName, Naming::kWildcard, Naming::kAny}) {
    if (FindRegion(description, module, part, naming, &found)) return found;
  }
  return fallback;
}

ImageLayout EmptyLayout(const ScatterDescription& description) {
  ImageLayout layout;
  for (const LoadRegion& load : description.loadRegions) {
    PlacedLoadRegion placed{load.name, 0, 0, load.hasMaxSize, load.maxSize, {}};
    for (const ExecutionRegion& region : load.regions) {
      placed.regions.push_back({region.name, 0, 0, 0, 0, 0, region.hasMaxSize, region.maxSize, {}});
    }
    layout.loadRegions.push_back(placed);
  }
  return layout;
}

void Note(PlacedRegion& region, const std::string& module) {
  if (region.modules.empty() || region.modules.back() != module) region.modules.push_back(module);
}

void Place(const ScatterDescription& description, const ModuleSizes& module, ImageLayout* layout) {
  RegionIndex readOnly = ChooseRegion(description, module.name, Part::kReadOnly, RegionIndex{});
  RegionIndex readWrite = ChooseRegion(description, module.name, Part::kReadWrite, readOnly);
  RegionIndex zeroInit = ChooseRegion(description, module.name, Part::kZeroInit, readOnly);
  auto region = [layout](RegionIndex index) -> PlacedRegion& {
    return layout->loadRegions[index.load].regions[index.execution];
  };
  struct Share {
    RegionIndex index;
    uint32_t PlacedRegion::*part;
    uint32_t size;
  };
  for (const Share& share : {Share{readOnly, &PlacedRegion::readOnly, module.code + module.roData},
                             Share{readWrite, &PlacedRegion::readWrite, module.rwData},
                             Share{zeroInit, &PlacedRegion::zeroInit, module.ziData}}) {
    if (share.size == 0) continue;
    region(share.index).*share.part += share.size;
    Note(region(share.index), module.name);
  }
}

std::string Overflow(const char* kind, const std::string& name, uint64_t size, uint32_t limit) {
  return std::string(kind) + " " + name + " size (" + std::to_string(size) + " bytes) exceeds limit (" +
         std::to_string(limit) + " bytes).";
}

// Gives addresses in description order: a relative base counts from the end of the
// region before (the load region's start for its first execution region).
void Address(const ScatterDescription& description, ImageLayout* layout) {
  uint64_t loadEnd = 0;
  for (size_t l = 0; l < layout->loadRegions.size(); ++l) {
    const LoadRegion& load = description.loadRegions[l];
    PlacedLoadRegion& placed = layout->loadRegions[l];
    placed.address = static_cast<uint32_t>(load.base.relative ? loadEnd + load.base.value : load.base.value);
    uint64_t stored = 0;
    uint64_t execEnd = placed.address;
    for (size_t e = 0; e < placed.regions.size(); ++e) {
      const RegionBase& base = load.regions[e].base;
      PlacedRegion& region = placed.regions[e];
      region.execAddress = static_cast<uint32_t>(base.relative ? execEnd + base.value : base.value);
      region.loadAddress = static_cast<uint32_t>(placed.address + stored);
      uint64_t size = uint64_t{region.readOnly} + region.readWrite + region.zeroInit;
      if (region.hasMaxSize && size > region.maxSize) {
        layout->overflows.push_back(Overflow("Execution region", region.name, size, region.maxSize));
      }
      execEnd = region.execAddress + size;
      stored += uint64_t{region.readOnly} + region.readWrite;
    }
    placed.size = static_cast<uint32_t>(stored);
    if (placed.hasMaxSize && stored > placed.maxSize) {
      layout->overflows.push_back(Overflow("Load region", placed.name, stored, placed.maxSize));
    }
    loadEnd = placed.address + stored;
  }
}

}  // namespace

ModuleSizes SizesOfModule(const std::string& name, uint64_t fileSize) {
  return {name, Align4(fileSize / 2), Align4(fileSize / 8), Align4(fileSize / 32), Align4(fileSize / 4)};
}

ModuleSizes TotalSizes(const std::vector<ModuleSizes>& modules) {
  ModuleSizes total;
  for (const ModuleSizes& module : modules) {
    total.code += module.code;
    total.roData += module.roData;
    total.rwData += module.rwData;
    total.ziData += module.ziData;
  }
  return total;
}

bool IsAnyPattern(const std::string& pattern) { return SameLetters(pattern, ".ANY"); }

bool ModuleMatches(const std::string& pattern, const std::string& name) {
  // Iterative wildcard match: on a mismatch, retry from the last '*' one character on.
  size_t p = 0, n = 0, star = std::string::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || std::toupper(static_cast<unsigned char>(pattern[p])) ==
                                                               std::toupper(static_cast<unsigned char>(name[n])))) {
      ++p;
      ++n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

ScatterDescription DefaultDescription(uint32_t roBase, bool hasRwBase, uint32_t rwBase) {
  auto region = [](const char* name, RegionBase base, const char* selector) {
    ExecutionRegion execution;
    execution.name = name;
    execution.base = base;
    execution.inputs.push_back({".ANY", {selector}, 0, 0});
    return execution;
  };
  LoadRegion load;
  load.name = "LR_1";
  load.base = {false, roBase};
  load.regions.push_back(region("ER_RO", {false, roBase}, "+RO"));
  load.regions.push_back(region("ER_RW", hasRwBase ? RegionBase{false, rwBase} : RegionBase{true, 0}, "+RW"));
  load.regions.push_back(region("ER_ZI", {true, 0}, "+ZI"));
  return ScatterDescription{{load}};
}

ImageLayout PlaceModules(const ScatterDescription& description, const std::vector<ModuleSizes>& modules) {
  ImageLayout layout = EmptyLayout(description);
  if (layout.loadRegions.empty() || layout.loadRegions[0].regions.empty()) return layout;
  for (const ModuleSizes& module : modules) Place(description, module, &layout);
  Address(description, &layout);
  return layout;
}

}  // namespace zrt::tools
